#pragma once

#include "core/Moment.h"
#include "core/TimeUnit.h"

#include <QString>
#include <QVector>
#include <array>
#include <optional>

class Settings;

// An event as the exchange formats carry it: its name as given and its moment.
struct EventEntry
{
    QString name;
    Moment moment;
};

// The decimals of each unit; no value where the settings hold an unusable one.
using UnitDecimals = std::array<std::optional<int>, timeUnitCount>;
UnitDecimals unitDecimals(const Settings& settings);
