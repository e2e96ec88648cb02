#include "core/SpanSeconds.h"

#include <cstdlib>

std::optional<std::int64_t> SpanSeconds(QStringView first, QStringView second, const Moment& now)
{
    const auto from = Moment::parse(first);
    if (!from)
        return std::nullopt;
    if (!second.isEmpty()) {
        const auto to = Moment::parse(second);
        if (!to)
            return std::nullopt;
        return to->secondsSinceEpoch() - from->secondsSinceEpoch();
    }
    return std::llabs(secondsUntilNow(*from, now));
}

std::int64_t secondsUntilNow(const Moment& then, const Moment& now)
{
    return now.secondsSinceEpoch() - then.secondsSinceEpoch();
}
