#pragma once

#include <QString>
#include <QStringList>

class QObject;
class QWidget;

// Where a text of the interface-text files lands on a widget or action.
namespace TextTargets {

// The window itself, or the descendant widget, action or menu with that objectName.
QObject* find(QWidget* window, const QString& name);

// "Caption": the object's own Caption property when it has one, else its text, title or
// window title.
bool setCaption(QObject* target, const QString& text);
bool setToolTip(QObject* target, const QString& text);
bool setText(QObject* target, const QString& text);
// The header of column (from 0) of a list, or of the list inside a wrapper widget.
bool setColumnHeader(QObject* target, int column, const QString& text);
// The item texts of a combo box, in order; the items keep their data.
bool setListItems(QObject* target, const QStringList& items);
// A menu's title or an action's text.
bool setMenuCaption(QObject* target, const QString& text);

} // namespace TextTargets
