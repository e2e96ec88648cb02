#pragma once

#include <QString>

class EventsFile;

struct EventWriteResult
{
    bool newLineWritten = false;
    // False when a changed event's old line is still in the file (or there was none).
    bool oldLineRemoved = false;
    QString error; // empty when every write succeeded
};

// Writes a new event (oldName null) or a changed one through to the events file, ordered so
// that a failing write loses nothing: a new name is appended before the old line goes, so a
// failure leaves the old event in place; a name that keys the same line (letter case and
// surrounding blanks ignored) can only be appended after the old line is out, and when that
// append fails the old line is written back.
EventWriteResult writeEvent(const EventsFile& file, const QString* oldName, const QString& oldMomentText,
    const QString& name, const QString& momentText);
