#include "core/WeekdayCount.h"

#include <algorithm>

namespace {

constexpr std::int64_t secondsPerDay = 86400;

// Moments count from 0001/01/01 00:00:00, so the quotient is the date's day number.
std::int64_t dayNumber(const Moment& moment)
{
    return moment.secondsSinceEpoch() / secondsPerDay;
}

} // namespace

std::int64_t WeekdayCount::workdays(const std::array<bool, 7>& isWorkday) const
{
    std::int64_t total = 0;
    for (int day = 0; day < 7; ++day) {
        if (isWorkday[size_t(day)])
            total += perWeekday[size_t(day)];
    }
    return total;
}

WeekdayCount countWeekdays(const Moment& one, const Moment& other)
{
    const Moment& first = std::min(one, other);
    const std::int64_t days = std::abs(dayDifference(one, other)) + 1;
    const int firstWeekday = first.dayOfWeek() - 1; // 0 for Sunday
    WeekdayCount count;
    for (int weekday = 0; weekday < 7; ++weekday) {
        // Days from the first date to the first date with this weekday.
        const int offset = (weekday - firstWeekday + 7) % 7;
        count.perWeekday[size_t(weekday)] = days / 7 + (offset < days % 7 ? 1 : 0);
    }
    return count;
}

std::int64_t dayDifference(const Moment& first, const Moment& second)
{
    return dayNumber(second) - dayNumber(first);
}
