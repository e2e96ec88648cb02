#pragma once

#include "platform/Notifier.h"

#include <QList>

// Notifications a test reads back; it can act as a desktop without a notification service.
class FakeNotifier final : public Notifier
{
    Q_OBJECT

public:
    bool notify(const Notice& notice) override
    {
        if (!refuses)
            notices.append(notice);
        return !refuses;
    }
    void click(const QString& target) { Q_EMIT activated(target); }

    bool refuses = false;
    QList<Notice> notices;
};
