#include "core/SpanCalc.h"

SpanResult computeSpan(const Moment& begin, const Moment& end, const std::array<bool, 7>& isWorkday)
{
    SpanResult result;
    // Second minus first, exact in whole seconds, as for two date-time texts everywhere else.
    result.seconds = end.secondsSinceEpoch() - begin.secondsSinceEpoch();
    for (TimeUnit unit : allTimeUnits)
        result.amounts[size_t(unit)] = unitAmount(result.seconds, unit);
    result.weekdays = countWeekdays(begin, end);
    const std::int64_t workdays = result.weekdays.workdays(isWorkday);
    // The sign follows the dates themselves rather than a rounded display text, so a span of
    // a few seconds back over midnight still reads as negative.
    result.workdays = dayDifference(begin, end) < 0 ? -workdays : workdays;
    return result;
}
