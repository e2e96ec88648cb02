#pragma once

#include "exchange/EventEntry.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QDateTime;

enum class ExportFormat { Calendar, Csv, Json };

// The format a file's name asks for by its ending: ".ics", ".csv" or ".json", letter case
// ignored; no value for any other.
std::optional<ExportFormat> exportFormatFor(const QString& path);

// The events in that format: an iCalendar file, or the events table as CSV or JSON.
QByteArray exportEvents(ExportFormat format, const QVector<EventEntry>& events, const Moment& now,
    const UnitDecimals& decimals, const QDateTime& stamp);
