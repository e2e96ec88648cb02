#include "platform/ui/QtTray.h"

#include <QCursor>
#include <QSystemTrayIcon>

QtTray::QtTray(QObject* parent)
    : Tray(parent)
    , m_icon(new QSystemTrayIcon(this))
{
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            Q_EMIT leftButtonDown();
        else if (reason == QSystemTrayIcon::Context)
            Q_EMIT rightButtonDown(QCursor::pos());
    });
    connect(m_icon, &QSystemTrayIcon::messageClicked, this, &Tray::messageClicked);
}

bool QtTray::add(const QIcon& icon, const QString& tip)
{
    if (m_icon->isVisible() || !QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->show();
    return m_icon->isVisible();
}

bool QtTray::remove()
{
    if (!m_icon->isVisible())
        return false;
    m_icon->hide();
    return true;
}

bool QtTray::isShown() const
{
    return m_icon->isVisible();
}

bool QtTray::showMessage(const QString& title, const QString& body)
{
    if (!m_icon->isVisible())
        return false;
    m_icon->showMessage(title, body, m_icon->icon());
    return true;
}
