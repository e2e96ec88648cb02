#pragma once

#include <QPoint>
#include <QStringList>
#include <QtGlobal>
#include <functional>

class QWidget;
class ReportList;
class frmPubMain;

// Drives the main window as a user would: keys to the focused widget, clicks on rows, toolbar
// buttons and menu entries, and the modal windows a command opens.
namespace CommandDriver {

// Makes the window the active one, so its shortcuts reach it; false when it never became so.
bool activate(frmPubMain& window);
// A key pressed while the list has the focus; menu shortcuts take it from there.
void press(frmPubMain& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A left click on a row's name cell, with Ctrl or Shift held when given.
void clickRow(ReportList& list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
QPoint rowCentre(const ReportList& list, int row);
// A click on toolbar button tlb(number).
void clickToolbar(frmPubMain& window, int number);
// Runs action on the next modal window as soon as it shows, from inside its event loop;
// gives up after about five seconds.
void whenModalShows(std::function<void(QWidget* modal)> action);
// The names of the rows, top to bottom.
QStringList names(const frmPubMain& window);
QStringList selectedNames(const frmPubMain& window);

} // namespace CommandDriver
