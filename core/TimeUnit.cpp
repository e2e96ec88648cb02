#include "core/TimeUnit.h"

double unitAmount(std::int64_t seconds, TimeUnit unit)
{
    const double s = double(seconds);
    switch (unit) {
    case TimeUnit::Years:
        return s / 3600 / 24 / 365.25;
    case TimeUnit::Months:
        return s / 3600 / 24 / 30.4375;
    case TimeUnit::Weeks:
        return s / 3600 / 24 / 7;
    case TimeUnit::Days:
        return s / 3600 / 24;
    case TimeUnit::Hours:
        return s / 3600;
    case TimeUnit::Minutes:
        return s / 60;
    case TimeUnit::Seconds:
        return s;
    }
    return s;
}

const char* unitHeader(TimeUnit unit)
{
    static constexpr const char* headers[]
        = { "Years", "Months", "Weeks", "Days", "Hours", "Minutes", "Seconds" };
    return headers[int(unit)];
}

const char* unitDecimalsKey(TimeUnit unit)
{
    static constexpr const char* keys[] = { "Year", "Month", "Week", "Day", "Hour", "Minute", "Second" };
    return keys[int(unit)];
}
