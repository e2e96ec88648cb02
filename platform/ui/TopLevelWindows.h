#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

// Finding and messaging the program's own top-level windows, the part of the desktop that
// the real desktop and the test fake share.
namespace TopLevelWindows {

// Window messages the program sends.
constexpr int CloseMessage = 16;

// The handle of a top-level widget whose title matches ignoring case (as the system's window
// search does); 0 when there is none.
quintptr find(const QString& title);
// The widget behind a handle, or null when the handle names no current top-level widget.
QWidget* widget(quintptr handle);
// Message 16 closes the window; other messages reach it without effect.
bool send(quintptr handle, int message);

} // namespace TopLevelWindows
