#pragma once

#include "platform/Notifier.h"

#include <QHash>
#include <QImage>

// Notices through the freedesktop.org notification service on the session bus: named after
// the application, with its icon, and a default action that reports the notice's target.
class DBusNotifier final : public Notifier
{
    Q_OBJECT

public:
    // icon: a theme icon name or a file path; desktopEntry: the desktop file's name without
    // ".desktop"; image: the icon's picture sent with the notice, for services that cannot
    // find the icon (a program run from its build folder).
    DBusNotifier(QString applicationName, QString icon, QString desktopEntry, QImage image = {},
        QObject* parent = nullptr);

    bool notify(const Notice& notice) override;

private Q_SLOTS:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    QString m_applicationName;
    QString m_icon;
    QString m_desktopEntry;
    QImage m_image;
    // The target of each notice still on screen, by the service's id.
    QHash<uint, QString> m_targets;
};
