#pragma once

#include <QString>

class MainCommands;
class QAction;
class QMainWindow;
class QToolBar;

// The menu bar and toolbar of the main window. Every menu, entry and separator carries its
// name as objectName, so menus.dll and tips.dll find it; shortcut keys are fixed here.
namespace MainMenus {

// Menus mene, mend (with the copy submenu mendo), ment and menh; each entry runs its command.
void build(QMainWindow& window, MainCommands& commands);

// The toolbar tlb with buttons tlb(1) to tlb(11) and its two separators.
QToolBar* buildToolbar(QMainWindow& window);

// The command a toolbar button runs, chosen by which button it is, whatever its caption
// (an edited or translated tips.dll renames the buttons); empty for any other action.
QString commandOf(const QAction& button);

} // namespace MainMenus
