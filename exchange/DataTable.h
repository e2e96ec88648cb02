#pragma once

#include "core/Moment.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <variant>

// A counter: an amount of a unit, written with the unit's decimals.
struct Amount
{
    double value = 0;
    int decimals = 0;
};

// The first day of a report's period; a month period is named by its month alone.
struct PeriodStart
{
    Moment day;
    bool wholeMonth = false;
};

// One value of an exported table. Its kind decides how each format writes it: a moment as an
// ISO 8601 local date-time, numbers as numbers, no value as an empty field or null.
using DataValue = std::variant<std::monostate, QString, qint64, Amount, Moment, PeriodStart>;

// What the command line and the window export: named columns and rows of typed values, one
// table for every format, so CSV, JSON and the printed table always agree.
struct DataTable
{
    QStringList columns; // the CSV header and the JSON keys
    QVector<QVector<DataValue>> rows;
};

// "2010-01-01T12:00:00": local wall-clock time, as every moment of the program is.
QString isoText(const Moment& moment);
// "2026-10-19", or "2026-10" for a month.
QString isoText(const PeriodStart& period);
