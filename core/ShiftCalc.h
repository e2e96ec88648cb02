#pragma once

#include "core/Moment.h"
#include "core/TimeUnit.h"

#include <cstdint>
#include <optional>

// A moment moved by a whole quantity of one unit, inside the calculator's range. Years and
// months are calendar years and months (a day missing in the target month becomes its last
// day); the other units move by their exact lengths.
struct ShiftRequest
{
    Moment base;
    bool add = true; // false: subtract
    std::int64_t quantity = 0; // 0 or more; above the 32-bit range it is refused
    TimeUnit unit = TimeUnit::Days;
};

// No value when the quantity is refused: it reaches or passes the room left to the range's end
// in that unit (a year counted as 365.25 days, a month as 30.4375), or the calendar result
// would still fall outside the range.
std::optional<Moment> shiftMoment(const ShiftRequest& request);

// The room from the base to the end of the range in the direction of the shift, in the unit.
double roomInUnit(const Moment& base, bool add, TimeUnit unit);

// The message key that says why shiftMoment refused the request: "QTY BIG" for a quantity
// above the 32-bit range, "BASE AT END" for 0 from a base at the range's end in that
// direction, else the unit's key that asks for fewer of it ("DAY OUT", ...).
const char* refusalKey(const ShiftRequest& request);
