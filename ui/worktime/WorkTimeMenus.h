#pragma once

#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

// The notification-area icon's menu, carried by the work-time window. Its entries act on the
// main window, which connects them; here they are only built and named.
struct WorkTrayMenu
{
    QMenu* ment = nullptr;
    QAction* ments = nullptr; // restore the main window
    QAction* menth = nullptr; // help topics
    QAction* mentt = nullptr; // support forum
    QAction* mentw = nullptr; // the web page
    QAction* mentc = nullptr; // a mail to support
    QAction* mentl = nullptr; // a newer version
    QAction* menta = nullptr; // about
    QAction* mentx = nullptr; // exit
};

// The menus of the work-time window. Every menu, entry and separator carries its name as
// objectName, so menus.dll finds it; shortcut keys are fixed here.
namespace WorkTimeMenus {

// The menu menw in the window's menu bar, also the list's popup menu: each command entry runs
// command(index) with its button's index, each entry of the copy submenu menwo runs
// copy(column) with the works list column it copies.
QMenu* build(QMainWindow& window, std::function<void(int)> command, std::function<void(int)> copy);

// The hidden menu ment, a child of window shown only as a popup.
WorkTrayMenu buildTray(QWidget& window);

} // namespace WorkTimeMenus
