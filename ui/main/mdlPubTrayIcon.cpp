#include "ui/main/mdlPubTrayIcon.h"

#include "platform/ui/Tray.h"
#include "ui/common/Program.h"
#include "ui/main/frmPubMain.h"

#include <QMenu>
#include <QTimer>

mdlPubTrayIcon::mdlPubTrayIcon(frmPubMain& window)
    : QObject(&window)
    , m_window(window)
{
    if (Tray* tray = window.program().tray()) {
        connect(tray, &Tray::leftButtonDown, this, [this] {
            if (m_inTray)
                restore();
        });
        connect(tray, &Tray::rightButtonDown, this, &mdlPubTrayIcon::showMenu);
    }
}

bool mdlPubTrayIcon::goToTray()
{
    Tray* tray = m_window.program().tray();
    if (m_inTray || !tray || !tray->add(m_window.windowIcon(), tip()))
        return false;
    m_inTray = true;
    // Hidden once the state change that brought us here is over; it leaves the task bar.
    QTimer::singleShot(0, &m_window, [this] {
        if (m_inTray)
            m_window.hide();
    });
    return true;
}

void mdlPubTrayIcon::restore()
{
    if (!m_inTray)
        return;
    m_inTray = false;
    Program& program = m_window.program();
    program.restoring = true;
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
    program.restoring = false;
    if (Tray* tray = program.tray())
        tray->remove();
}

void mdlPubTrayIcon::setMenu(std::function<QMenu*()> menu)
{
    m_menu = std::move(menu);
}

void mdlPubTrayIcon::showMenu(const QPoint& at)
{
    if (!m_inTray || !m_menu)
        return;
    if (QMenu* menu = m_menu())
        menu->popup(at);
}
