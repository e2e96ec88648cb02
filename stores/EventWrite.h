#pragma once

#include <QString>

class EventsFile;

struct EventWriteResult
{
    bool newLineWritten = false;
    // True when a changed event's old line is gone from the file.
    bool oldLineRemoved = false;
    QString error; // empty when every write succeeded
};

// Writes a new event (oldName null) or a changed one through to the events file. A changed
// event's old line is replaced in one write, so a failing write loses nothing.
EventWriteResult writeEvent(
    const EventsFile& file, const QString* oldName, const QString& name, const QString& momentText);
