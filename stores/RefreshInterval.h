#pragma once

#include <QString>
#include <optional>

// The interval of a refresh timer in milliseconds from the "Refresh" setting (whole seconds).
// 0 stops the timer; no value for a text that is not a usable number of seconds, which leaves
// the timer as it was.
std::optional<int> refreshIntervalMs(const QString& refreshSetting);
