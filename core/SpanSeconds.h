#pragma once

#include "core/Moment.h"

#include <QStringView>
#include <cstdint>
#include <optional>

// Whole seconds between two moments. With a second text: second minus first, signed.
// With an empty second: the distance between first and now, never negative (whether the
// event lies ahead or behind is told by its type, not by the count).
// No value when a text cannot be read as a moment.
std::optional<std::int64_t> SpanSeconds(QStringView first, QStringView second, const Moment& now);

// Signed seconds from then to now: positive when then lies in the past.
std::int64_t secondsUntilNow(const Moment& then, const Moment& now);
