#include "core/ReminderScheduler.h"

#include <algorithm>
#include <limits>

namespace {

ReminderState freshState(const QDateTime& wallTime)
{
    // Without a saved state nothing before now is shown: a first start does not bring up
    // every anniversary and round number of the past.
    const Moment now = Moment::fromDateTime(wallTime).value_or(*Moment::fromCivil(Moment::minYear, 1, 1));
    return { now, now, {} };
}

} // namespace

ReminderScheduler::ReminderScheduler(
    Now now, std::optional<ReminderState> saved, Notify notify, Save save, QObject* parent)
    : QObject(parent)
    , m_now(std::move(now))
    , m_notify(std::move(notify))
    , m_save(std::move(save))
    , m_state(saved ? std::move(*saved) : freshState(m_now()))
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire a little early or late; the reminder is due at its second.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReminderScheduler::check);
}

std::optional<Moment> ReminderScheduler::now() const
{
    return Moment::fromDateTime(m_now());
}

void ReminderScheduler::setEvents(QVector<ReminderEvent> events)
{
    const auto now = this->now();
    if (m_started && now)
        catchUp(*now);
    m_nextDue = carryNextDue(events);
    m_events = std::move(events);
    if (!m_started && now) {
        m_started = true;
        findNext();
        catchUp(*now);
    }
    m_save(m_state);
    findNext();
    if (now)
        arm(*now);
}

void ReminderScheduler::setChoices(const ReminderChoices& choices)
{
    const auto now = this->now();
    if (m_started && now)
        catchUp(*now);
    m_choices = choices;
    forgetNextDue();
    if (!m_started)
        return;
    m_save(m_state);
    findNext();
    if (now)
        arm(*now);
}

void ReminderScheduler::check()
{
    const auto now = this->now();
    if (!now)
        return;
    catchUp(*now);
    findNext();
    arm(*now);
}

bool ReminderScheduler::alreadyShown(const DueReminder& due) const
{
    const std::int64_t at = due.reminder.due.secondsSinceEpoch();
    const std::int64_t latest = m_state.latest.secondsSinceEpoch();
    if (at > latest)
        return false;
    // Older than the kept keys: it came due before the clock went back, so it was shown.
    if (at <= latest - ReminderState::keepShown)
        return true;
    return m_state.shown.contains(ReminderRules::key(due.event.name, due.reminder));
}

bool ReminderScheduler::catchUp(const Moment& now)
{
    if (now < m_state.checked) {
        // The clock went back: what comes due again is told apart by the kept keys.
        m_state.checked = now;
        // Every event may have something due between now and the old check again.
        forgetNextDue();
        m_save(m_state);
        return false;
    }
    if (now == m_state.checked)
        return false;
    if (std::find(m_nextDue.begin(), m_nextDue.end(), unknownDue) != m_nextDue.end())
        findNext();
    const ReminderFinder finder(m_choices, m_state.checked);
    QList<DueReminder> due;
    for (qsizetype i = 0; i < m_events.size(); ++i) {
        if (m_nextDue[i] > now.secondsSinceEpoch())
            continue;
        const ReminderEvent& event = m_events[i];
        for (const Reminder& reminder : finder.until(event.moment, now, mostPerEvent)) {
            DueReminder found { event, reminder };
            if (!alreadyShown(found))
                due.append(std::move(found));
        }
    }
    m_state.checked = now;
    m_state.latest = std::max(m_state.latest, now);
    if (due.isEmpty())
        return false;
    std::stable_sort(due.begin(), due.end(),
        [](const DueReminder& a, const DueReminder& b) { return a.reminder.due < b.reminder.due; });
    const std::int64_t keepFrom = m_state.latest.secondsSinceEpoch() - ReminderState::keepShown;
    for (auto it = m_state.shown.begin(); it != m_state.shown.end();) {
        const auto at = ReminderRules::dueOfKey(*it);
        it = !at || at->secondsSinceEpoch() <= keepFrom ? m_state.shown.erase(it) : std::next(it);
    }
    for (const DueReminder& found : std::as_const(due)) {
        if (found.reminder.due.secondsSinceEpoch() > keepFrom)
            m_state.shown.insert(ReminderRules::key(found.event.name, found.reminder));
    }
    // Written before it is shown: a crash in between loses a reminder rather than repeat it.
    m_save(m_state);
    m_notify(due);
    return true;
}

std::vector<std::int64_t> ReminderScheduler::carryNextDue(const QVector<ReminderEvent>& events) const
{
    // Walks both lists side by side: an event added, removed or changed costs one entry.
    std::vector<std::int64_t> carried(events.size(), unknownDue);
    qsizetype old = 0;
    for (qsizetype i = 0; i < events.size() && old < m_events.size(); ++i) {
        if (m_events[old].moment == events[i].moment) {
            carried[i] = m_nextDue[old++];
        } else if (old + 1 < m_events.size() && m_events[old + 1].moment == events[i].moment) {
            carried[i] = m_nextDue[old + 1];
            old += 2;
        }
    }
    return carried;
}

void ReminderScheduler::forgetNextDue()
{
    std::fill(m_nextDue.begin(), m_nextDue.end(), unknownDue);
}

void ReminderScheduler::findNext()
{
    const ReminderFinder finder(m_choices, m_state.checked);
    const std::int64_t checked = m_state.checked.secondsSinceEpoch();
    qsizetype first = -1;
    for (qsizetype i = 0; i < m_events.size(); ++i) {
        // An entry at or before checked has come due and was dealt with: its next is later.
        if (m_nextDue[i] <= checked) {
            const auto found = finder.next(m_events[i].moment);
            m_nextDue[i] = found ? found->due.secondsSinceEpoch() : noneDue;
        }
        if (m_nextDue[i] != noneDue && (first < 0 || m_nextDue[i] < m_nextDue[first]))
            first = i;
    }
    m_next.reset();
    if (first >= 0)
        m_next = DueReminder { m_events[first], *finder.next(m_events[first].moment) };
}

void ReminderScheduler::arm(const Moment& now)
{
    if (!m_next) {
        m_timer.stop();
        return;
    }
    const std::int64_t wait = m_next->reminder.due.secondsSinceEpoch() - now.secondsSinceEpoch();
    m_timer.start(int(std::clamp<std::int64_t>(wait * 1000, 0, longestWaitMs)));
}
