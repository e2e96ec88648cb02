#pragma once

#include "exchange/Calendar.h"

#include <QString>
#include <optional>

struct ImportResult
{
    QVector<EventEntry> added; // in the calendar's order
    QVector<SkippedEntry> skipped;
};

// Adds the events of the calendar file to the events file: each one whose name no event of
// the file holds yet, letter case and surrounding blanks ignored, so the calendar's own
// repeats are skipped too. The new lines are appended in one atomic write, in the encoding and
// line break the file uses; nothing is written when nothing is added. No value, with the reason, when the
// calendar cannot be read or is not a calendar, or the events file cannot be read or written:
// the events file is then unchanged. The reason names the events file when that is the one
// that failed, and no file when the calendar did.
std::optional<ImportResult> importCalendar(
    const QString& calendarPath, const QString& eventsPath, QString* error = nullptr);
