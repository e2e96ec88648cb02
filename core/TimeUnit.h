#pragma once

#include <array>
#include <cstdint>

// The seven display units, in the order of the settings record and of the list columns.
enum class TimeUnit { Years = 0, Months, Weeks, Days, Hours, Minutes, Seconds };

constexpr int timeUnitCount = 7;

constexpr std::array<TimeUnit, timeUnitCount> allTimeUnits = {
    TimeUnit::Years,
    TimeUnit::Months,
    TimeUnit::Weeks,
    TimeUnit::Days,
    TimeUnit::Hours,
    TimeUnit::Minutes,
    TimeUnit::Seconds,
};

// The amount of the unit in s seconds. A year is the average 365.25 days and a month a twelfth
// of it; the divisions run left to right in double precision, nothing rounded.
double unitAmount(std::int64_t seconds, TimeUnit unit);

// The column header and decimals key of a unit ("Years" / "Year", ...).
const char* unitHeader(TimeUnit unit);
const char* unitDecimalsKey(TimeUnit unit);
