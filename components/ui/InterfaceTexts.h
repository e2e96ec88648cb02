#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Puts the texts of the shipped text files onto a window. Each window has a section named
// after its objectName; see data/TEXTS.md for the keys. A key the data folder's file lacks
// comes from the shipped file of its language (TextSet).
class InterfaceTexts
{
public:
    // Captions and tooltips from the control-texts file (tips.dll).
    bool applyControlTexts(QWidget* window, const QString& path) const;
    // Menu captions from the menu-captions file (menus.dll).
    bool applyMenuTexts(QWidget* window, const QString& path) const;
    static bool isInList(const QString& value, const QStringList& list);
};
