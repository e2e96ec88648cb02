#pragma once

#include <QObject>
#include <QString>

// One message for the user from the desktop's notifications.
struct Notice
{
    QString title;
    QString body;
    // The event to show when the user clicks the notice.
    QString target;
};

// A way of telling the user something while Kronvel may not be in sight. Reminders reach the
// desktop through it, so tests replace it and the program can fall back to another way.
class Notifier : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    // False when this way is not available now (no notification service, for instance).
    virtual bool notify(const Notice& notice) = 0;

Q_SIGNALS:
    // The user clicked a notice: show the main window with its target selected.
    void activated(const QString& target);
};
