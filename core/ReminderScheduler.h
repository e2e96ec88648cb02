#pragma once

#include "core/ReminderRules.h"
#include "core/ReminderState.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <QVector>
#include <functional>
#include <limits>
#include <vector>

struct ReminderEvent
{
    QString name;
    Moment moment;
};

struct DueReminder
{
    ReminderEvent event;
    Reminder reminder;
};

// Tells of reminders as they come due. The next due moment over all events is worked out
// once per change of the events or the choices, and one single-shot timer waits for it; the
// wait is cut to a minute so that a jump of the wall clock is seen soon. Reminders due after
// the last check and up to now are shown once, several at one check together; a clock that
// went back shows nothing already shown, a clock that jumped ahead shows what it skipped.
class ReminderScheduler : public QObject
{
    Q_OBJECT

public:
    // The local wall time; the program's clock, a fake one in tests.
    using Now = std::function<QDateTime()>;
    using Notify = std::function<void(const QList<DueReminder>&)>;
    using Save = std::function<void(const ReminderState&)>;

    static constexpr int longestWaitMs = 60 * 1000;
    // Reminders gathered for one event at one check; a long absence cannot flood memory.
    static constexpr int mostPerEvent = 100;

    // saved: the state of the last run; without one, nothing before now is shown.
    ReminderScheduler(
        Now now, std::optional<ReminderState> saved, Notify notify, Save save, QObject* parent = nullptr);

    // The first call shows what came due while Kronvel was away; later calls first deal with
    // what is due under the old events, so a changed event never reminds of its past.
    void setEvents(QVector<ReminderEvent> events);
    void setChoices(const ReminderChoices& choices);
    const ReminderChoices& choices() const { return m_choices; }

    // Looks at the clock: shows what has come due and waits for the next.
    void check();

    std::optional<DueReminder> next() const { return m_next; }
    const ReminderState& state() const { return m_state; }
    const QTimer& timer() const { return m_timer; }

private:
    std::optional<Moment> now() const;
    // Moves checked to now, showing what came due on the way; false when the clock is unreadable.
    bool catchUp(const Moment& now);
    bool alreadyShown(const DueReminder& due) const;
    // The entries of the old list that the new one keeps, by moment; the others unknown.
    std::vector<std::int64_t> carryNextDue(const QVector<ReminderEvent>& events) const;
    void forgetNextDue();
    void findNext();
    void arm(const Moment& now);

    Now m_now;
    Notify m_notify;
    Save m_save;
    ReminderState m_state;
    ReminderChoices m_choices;
    QVector<ReminderEvent> m_events;
    std::optional<DueReminder> m_next;
    // Each event's next due moment in seconds after checked (noneDue when it has none), so
    // catching up looks only at the events that have something due, and a change of the list
    // works out only the events it changed. unknownDue marks an entry to be worked out.
    std::vector<std::int64_t> m_nextDue;
    static constexpr std::int64_t unknownDue = std::numeric_limits<std::int64_t>::min();
    static constexpr std::int64_t noneDue = std::numeric_limits<std::int64_t>::max();
    QTimer m_timer;
    bool m_started = false;
};
