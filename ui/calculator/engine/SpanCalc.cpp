#include "ui/calculator/engine/SpanCalc.h"

#include "core/SpanSeconds.h"

SpanResult computeSpan(const Moment& begin, const Moment& end, const std::array<bool, 7>& isWorkday)
{
    SpanResult result;
    // Moments always read back from their own text, so the span always has a value.
    result.seconds = SpanSeconds(begin.toText(), end.toText(), begin).value_or(0);
    for (TimeUnit unit : allTimeUnits)
        result.amounts[size_t(unit)] = unitAmount(result.seconds, unit);
    result.weekdays = countWeekdays(begin, end);
    const std::int64_t workdays = result.weekdays.workdays(isWorkday);
    // The sign follows the dates themselves rather than a rounded display text, so a span of
    // a few seconds back over midnight still reads as negative.
    result.workdays = dayDifference(begin, end) < 0 ? -workdays : workdays;
    return result;
}
