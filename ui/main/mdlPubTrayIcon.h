#pragma once

#include <KronvelVersion.h>
#include <QObject>
#include <functional>

class frmPubMain;
class QMenu;
class QPoint;

// The main window in the notification area: minimizing puts it there (when the desktop takes
// the icon), a left click on the icon brings it back where it was, a right click shows the
// tray menu.
class mdlPubTrayIcon : public QObject
{
    Q_OBJECT

public:
    explicit mdlPubTrayIcon(frmPubMain& window);

    // Adds the icon and hides the window; false, and nothing changed, when the icon cannot be added.
    bool goToTray();
    // Back from the tray: the saved position is applied, then the icon is removed.
    void restore();
    bool inTray() const { return m_inTray; }
    // Where the menu a right click on the icon shows comes from; asked at each click, so the
    // window that owns the menu can be made on first use.
    void setMenu(std::function<QMenu*()> menu);

    static QString tip() { return QStringLiteral("Kronvel v" KRN_VERSION); }

private:
    void showMenu(const QPoint& at);

    frmPubMain& m_window;
    std::function<QMenu*()> m_menu;
    bool m_inTray = false;
};
