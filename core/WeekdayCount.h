#pragma once

#include "core/Moment.h"

#include <array>
#include <cstdint>

// How many of each weekday the calendar dates from one date to another hold, both included.
// Closed form: whole weeks hold one of each weekday, and the days left over are the first
// weekdays from the first date on, so a range of any length costs the same.
struct WeekdayCount
{
    std::array<std::int64_t, 7> perWeekday {}; // Sunday first
    // The dates whose weekday the flags (Sunday first) mark as workdays.
    std::int64_t workdays(const std::array<bool, 7>& isWorkday) const;
};

// Only the dates of the two moments count; their order does not matter.
WeekdayCount countWeekdays(const Moment& one, const Moment& other);

// Whole days from the date of first to the date of second; negative when second's date is earlier.
std::int64_t dayDifference(const Moment& first, const Moment& second);
