#pragma once

#include "core/Moment.h"
#include "core/TimeUnit.h"
#include "core/WeekdayCount.h"

#include <array>
#include <cstdint>

// The span from a Begin moment to an End moment: its seconds, its amount in each unit, and
// the workdays and weekdays of the calendar dates it covers (times of day ignored).
struct SpanResult
{
    std::int64_t seconds = 0; // End minus Begin, negative when End is earlier
    std::array<double, timeUnitCount> amounts {}; // in the order of allTimeUnits
    WeekdayCount weekdays; // never negative
    // The workdays of the dates, with a minus sign when End's date is earlier than Begin's;
    // Begin and End on one date count that date and are never negative.
    std::int64_t workdays = 0;
};

// isWorkday: Sunday first.
SpanResult computeSpan(const Moment& begin, const Moment& end, const std::array<bool, 7>& isWorkday);
