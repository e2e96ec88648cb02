#pragma once

#include "core/Moment.h"
#include "core/TimeUnit.h"

#include <QList>
#include <cstdint>
#include <optional>

// What the user wants to be told about.
struct ReminderChoices
{
    bool due = true; // a future event reaches zero
    bool ahead = false; // whole days before a future event
    QList<int> aheadDays { 1, 7 };
    bool anniversaries = true; // each whole calendar year after an event
    bool anniversaryEve = false; // and the day before it
    bool roundNumbers = true; // a counter reaches a round value in its unit

    friend bool operator==(const ReminderChoices&, const ReminderChoices&) = default;
};

enum class ReminderKind { Due, Ahead, Anniversary, AnniversaryEve, RoundSince, RoundUntil };

// One reminder of one event: the moment it comes due and what it counts there.
struct Reminder
{
    Moment due;
    ReminderKind kind;
    // Days ahead, whole years, or the round value the counter reaches.
    std::int64_t count = 0;
    TimeUnit unit = TimeUnit::Seconds; // of a round number
};

namespace ReminderRules {

// Round values of a unit are its threshold times 1 to 9 times a power of ten: for days
// 1,000, 2,000, ... 9,000, 10,000, 20,000, and so on.
std::int64_t roundThreshold(TimeUnit unit);
// The smallest round value of the unit above value.
std::int64_t roundValueAbove(TimeUnit unit, std::int64_t value);
// The largest round value of the unit not above value; none below the threshold.
std::optional<std::int64_t> roundValueAtMost(TimeUnit unit, std::int64_t value);

// The event's day and time, the given number of whole years later. An event on February 29
// falls on February 28 in common years: that is the day the "Years" counter, which counts
// years of 365.25 days, reaches the whole number, and it keeps the reminder in its month.
std::optional<Moment> anniversary(const Moment& event, int years);

// A stable text naming one reminder of one event, for remembering what was shown.
QString key(const QString& eventName, const Reminder& reminder);
// The moment a key comes due; none for a text that is not a key.
std::optional<Moment> dueOfKey(QStringView key);

} // namespace ReminderRules

// Finds the reminders of events after a given moment. The moment's calendar year is worked
// out once, so asking for many events costs little per event.
class ReminderFinder
{
public:
    ReminderFinder(const ReminderChoices& choices, const Moment& after);

    // The event's first reminder due strictly after the moment.
    std::optional<Reminder> next(const Moment& event) const;
    // The event's reminders due after the moment and not after until, in time order; at
    // most limit of them.
    QList<Reminder> until(const Moment& event, const Moment& until, int limit) const;
    // The next round number only, whatever the choices (the event's tooltip shows it).
    std::optional<Reminder> nextRoundNumber(const Moment& event) const;

    // An event's moment with its calendar fields worked out once.
    struct EventPoint;
    struct Candidate;

private:
    Candidate candidate(int source, const EventPoint& event, std::int64_t after, int afterYear) const;
    int sourceCount() const;

    ReminderChoices m_choices;
    std::int64_t m_after;
    int m_afterYear;
};
