#include "core/ReminderRules.h"

#include <QStringBuilder>
#include <algorithm>
#include <array>
#include <chrono>
#include <limits>
#include <vector>

namespace {

constexpr std::int64_t secondsPerDay = 86400;
constexpr int roundUnitsFrom = 3; // sources after due, ahead days and the two anniversaries

// Seconds of one unit: a year of 365.25 days and a month of a twelfth of it are whole seconds.
constexpr std::int64_t unitSeconds[timeUnitCount] = { 31557600, 2629800, 604800, 86400, 3600, 60, 1 };
constexpr std::int64_t thresholds[timeUnitCount] = { 10, 100, 1000, 1000, 10000, 1000000, 1000000000 };

constexpr std::array<std::int64_t, 19> powersOfTen = [] {
    std::array<std::int64_t, 19> powers {};
    powers[0] = 1;
    for (size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 10;
    return powers;
}();

// The largest power of ten not above value, for a value at or above the unit's threshold;
// compares only, from the threshold's own power on.
std::int64_t powerOfTenAtMost(TimeUnit unit, std::int64_t value)
{
    static constexpr size_t thresholdPowers[timeUnitCount] = { 1, 2, 3, 3, 4, 6, 9 };
    size_t exponent = thresholdPowers[int(unit)];
    while (exponent + 1 < powersOfTen.size() && powersOfTen[exponent + 1] <= value)
        ++exponent;
    return powersOfTen[exponent];
}

} // namespace

// One reminder found for one source, in plain numbers; a Reminder is made only of the one kept.
struct ReminderFinder::Candidate
{
    static constexpr std::int64_t none = std::numeric_limits<std::int64_t>::max();
    std::int64_t due = none;
    ReminderKind kind = ReminderKind::Due;
    std::int64_t count = 0;
    TimeUnit unit = TimeUnit::Seconds;

    std::optional<Reminder> reminder() const
    {
        const auto moment = Moment::fromSeconds(due);
        return moment ? std::optional(Reminder { *moment, kind, count, unit }) : std::nullopt;
    }
};

namespace {

using Candidate = ReminderFinder::Candidate;

std::int64_t lastSecond()
{
    static const std::int64_t last
        = Moment::fromCivil(Moment::maxYear, 12, 31, 23, 59, 59)->secondsSinceEpoch();
    return last;
}

// A unit's round values, each also as a span in seconds, in order, up to the longest span
// between two moments: looking one up takes a few compares and no division.
struct RoundSeries
{
    std::array<std::int64_t, 64> values {};
    std::array<std::int64_t, 64> spans {};
    int size = 0;
};

const RoundSeries& roundSeries(TimeUnit unit)
{
    static const auto table = [] {
        std::array<RoundSeries, timeUnitCount> series;
        const std::int64_t longest = lastSecond();
        for (TimeUnit each : allTimeUnits) {
            RoundSeries& one = series[int(each)];
            for (std::int64_t power = thresholds[int(each)]; power * unitSeconds[int(each)] <= longest;
                 power *= 10) {
                for (std::int64_t digit = 1; digit <= 9 && digit * power * unitSeconds[int(each)] <= longest;
                     ++digit) {
                    one.values[one.size] = digit * power;
                    one.spans[one.size++] = digit * power * unitSeconds[int(each)];
                }
            }
        }
        return series;
    }();
    return table[int(unit)];
}

// The counter counting up from the event reaches a round value after the moment.
Candidate roundSince(std::int64_t event, std::int64_t after, TimeUnit unit)
{
    const RoundSeries& series = roundSeries(unit);
    const auto end = series.spans.begin() + series.size;
    const auto next = std::upper_bound(series.spans.begin(), end, after - event);
    if (next == end || event + *next > lastSecond())
        return {};
    return { event + *next, ReminderKind::RoundSince, series.values[next - series.spans.begin()], unit };
}

// The counter counting down to a future event reaches a round value after the moment.
Candidate roundUntil(std::int64_t event, std::int64_t after, TimeUnit unit)
{
    if (event <= after)
        return {};
    const RoundSeries& series = roundSeries(unit);
    const auto next
        = std::lower_bound(series.spans.begin(), series.spans.begin() + series.size, event - after);
    if (next == series.spans.begin())
        return {};
    return { event - *(next - 1), ReminderKind::RoundUntil, series.values[next - 1 - series.spans.begin()],
        unit };
}

// Every unit's round values in one list ordered by span: the first round number of any unit
// after a moment is one search, not one per unit.
struct RoundSpan
{
    std::int64_t span;
    std::int64_t value;
    TimeUnit unit;
};

const std::vector<RoundSpan>& allRoundSpans()
{
    static const std::vector<RoundSpan> spans = [] {
        std::vector<RoundSpan> all;
        for (TimeUnit unit : allTimeUnits) {
            const RoundSeries& series = roundSeries(unit);
            for (int i = 0; i < series.size; ++i)
                all.push_back({ series.spans[i], series.values[i], unit });
        }
        std::stable_sort(
            all.begin(), all.end(), [](const RoundSpan& a, const RoundSpan& b) { return a.span < b.span; });
        return all;
    }();
    return spans;
}

// The first round number of any unit after the moment, counted up from the event.
Candidate anyRoundSince(std::int64_t event, std::int64_t after)
{
    const auto& spans = allRoundSpans();
    const auto next = std::upper_bound(spans.begin(), spans.end(), after - event,
        [](std::int64_t passed, const RoundSpan& round) { return passed < round.span; });
    if (next == spans.end() || event + next->span > lastSecond())
        return {};
    return { event + next->span, ReminderKind::RoundSince, next->value, next->unit };
}

// The first round number of any unit after the moment, counted down to a future event.
Candidate anyRoundUntil(std::int64_t event, std::int64_t after)
{
    if (event <= after)
        return {};
    const auto& spans = allRoundSpans();
    const auto next = std::lower_bound(spans.begin(), spans.end(), event - after,
        [](const RoundSpan& round, std::int64_t left) { return round.span < left; });
    if (next == spans.begin())
        return {};
    // Of round numbers reached at once (1,000 weeks are 7,000 days) the longer unit is named.
    auto round = next - 1;
    while (round != spans.begin() && (round - 1)->span == round->span)
        --round;
    return { event - round->span, ReminderKind::RoundUntil, round->value, round->unit };
}

int yearOf(std::int64_t seconds)
{
    const auto moment = Moment::fromSeconds(seconds);
    return moment ? moment->year() : (seconds < 0 ? Moment::minYear : Moment::maxYear);
}

const char kindCodes[] = { 'D', 'A', 'Y', 'E', 'S', 'U' };

// Days from 0001/01/01, where moments count from, to 1970/01/01, where the system's days do.
std::int64_t epochOffsetDays()
{
    static const std::int64_t offset = Moment::fromCivil(1970, 1, 1)->secondsSinceEpoch() / secondsPerDay;
    return offset;
}

} // namespace

// An event's moment with its calendar fields worked out once.
struct ReminderFinder::EventPoint
{
    explicit EventPoint(const Moment& moment, bool withDate = true)
        : at(moment.secondsSinceEpoch())
        , timeOfDay(at % secondsPerDay)
    {
        using namespace std::chrono;
        if (!withDate)
            return;
        const year_month_day date(sys_days(days(at / secondsPerDay - epochOffsetDays())));
        year = int(date.year());
        month = unsigned(date.month());
        day = unsigned(date.day());
    }

    // The same day and time, years later; February 29 falls on February 28 in common years.
    std::optional<std::int64_t> anniversary(int years) const
    {
        using namespace std::chrono;
        const int target = year + years;
        if (target > Moment::maxYear)
            return std::nullopt;
        const unsigned targetDay = month == 2 && day == 29 && !std::chrono::year(target).is_leap() ? 28 : day;
        const sys_days date
            = std::chrono::year(target) / std::chrono::month(month) / std::chrono::day(targetDay);
        return (date.time_since_epoch().count() + epochOffsetDays()) * secondsPerDay + timeOfDay;
    }

    std::int64_t at;
    std::int64_t timeOfDay;
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
};

namespace ReminderRules {

std::int64_t roundThreshold(TimeUnit unit)
{
    return thresholds[int(unit)];
}

std::int64_t roundValueAbove(TimeUnit unit, std::int64_t value)
{
    if (value < roundThreshold(unit))
        return roundThreshold(unit);
    return roundValueAtMost(unit, value).value() + powerOfTenAtMost(unit, value);
}

std::optional<std::int64_t> roundValueAtMost(TimeUnit unit, std::int64_t value)
{
    if (value < roundThreshold(unit))
        return std::nullopt;
    // The leading digit times its power of ten, found by adding rather than dividing.
    const std::int64_t power = powerOfTenAtMost(unit, value);
    std::int64_t round = power;
    while (round + power <= value)
        round += power;
    return round;
}

std::optional<Moment> anniversary(const Moment& event, int years)
{
    const auto at = ReminderFinder::EventPoint(event).anniversary(years);
    return at ? Moment::fromSeconds(*at) : std::nullopt;
}

QString key(const QString& eventName, const Reminder& reminder)
{
    return reminder.due.toText() % u'\t' % QLatin1Char(kindCodes[int(reminder.kind)])
        % QString::number(reminder.count) % QLatin1Char(char('0' + int(reminder.unit))) % u'\t' % eventName;
}

std::optional<Moment> dueOfKey(QStringView key)
{
    const qsizetype tab = key.indexOf(u'\t');
    if (tab < 0)
        return std::nullopt;
    return Moment::parse(key.left(tab));
}

} // namespace ReminderRules

ReminderFinder::ReminderFinder(const ReminderChoices& choices, const Moment& after)
    : m_choices(choices)
    , m_after(after.secondsSinceEpoch())
    , m_afterYear(after.year())
{
}

int ReminderFinder::sourceCount() const
{
    return roundUnitsFrom + int(m_choices.aheadDays.size()) + 2 * timeUnitCount;
}

ReminderFinder::Candidate ReminderFinder::candidate(
    int source, const EventPoint& event, std::int64_t after, int afterYear) const
{
    const std::int64_t at = event.at;
    if (source == 0)
        return m_choices.due && at > after ? Candidate { at, ReminderKind::Due } : Candidate {};
    const int aheadCount = int(m_choices.aheadDays.size());
    if (source <= aheadCount) {
        const int days = m_choices.aheadDays[source - 1];
        const std::int64_t due = at - days * secondsPerDay;
        return m_choices.ahead && due > after ? Candidate { due, ReminderKind::Ahead, days } : Candidate {};
    }
    source -= aheadCount + 1;
    if (source < 2) {
        const bool eve = source == 1;
        if (!(eve ? m_choices.anniversaryEve : m_choices.anniversaries))
            return {};
        const std::int64_t shift = eve ? secondsPerDay : 0;
        // The anniversary in the moment's own year comes first, else the one a year later.
        for (int years = std::max(1, afterYear - event.year), tries = 0; tries < 2; ++years, ++tries) {
            const auto day = event.anniversary(years);
            if (!day)
                return {};
            if (*day - shift > after)
                return { *day - shift, eve ? ReminderKind::AnniversaryEve : ReminderKind::Anniversary,
                    years };
        }
        return {};
    }
    if (!m_choices.roundNumbers)
        return {};
    source -= 2;
    // Counting down comes before counting up: every count-down value lies before the event.
    return source < timeUnitCount ? roundUntil(at, after, TimeUnit(source))
                                  : roundSince(at, after, TimeUnit(source - timeUnitCount));
}

std::optional<Reminder> ReminderFinder::next(const Moment& moment) const
{
    // The calendar date is needed only for anniversaries.
    const EventPoint event(moment, m_choices.anniversaries || m_choices.anniversaryEve);
    Candidate first;
    for (int source = 0, count = sourceCount() - 2 * timeUnitCount; source < count; ++source) {
        const Candidate found = candidate(source, event, m_after, m_afterYear);
        if (found.due < first.due)
            first = found;
    }
    if (m_choices.roundNumbers) {
        // Counting down comes before the event, counting up after it.
        for (const Candidate& found :
            { anyRoundUntil(event.at, m_after), anyRoundSince(event.at, m_after) }) {
            if (found.due < first.due)
                first = found;
            if (first.due <= event.at)
                break;
        }
    }
    return first.due == Candidate::none ? std::nullopt : first.reminder();
}

QList<Reminder> ReminderFinder::until(const Moment& moment, const Moment& until, int limit) const
{
    const EventPoint event(moment);
    QList<Reminder> found;
    for (int source = 0, count = sourceCount(); source < count; ++source) {
        std::int64_t after = m_after;
        int afterYear = m_afterYear;
        while (found.size() < limit) {
            const Candidate next = candidate(source, event, after, afterYear);
            if (next.due > until.secondsSinceEpoch())
                break;
            found.append(*next.reminder());
            after = next.due;
            afterYear = yearOf(after);
        }
    }
    std::stable_sort(
        found.begin(), found.end(), [](const Reminder& a, const Reminder& b) { return a.due < b.due; });
    return found;
}

std::optional<Reminder> ReminderFinder::nextRoundNumber(const Moment& event) const
{
    const Candidate until = anyRoundUntil(event.secondsSinceEpoch(), m_after);
    const Candidate first
        = until.due != Candidate::none ? until : anyRoundSince(event.secondsSinceEpoch(), m_after);
    return first.due == Candidate::none ? std::nullopt : first.reminder();
}
