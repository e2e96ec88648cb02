#include "stores/EventWrite.h"

#include "stores/EventsFile.h"

EventWriteResult writeEvent(
    const EventsFile& file, const QString* oldName, const QString& name, const QString& momentText)
{
    EventWriteResult result;
    if (!oldName) {
        result.newLineWritten = file.append(name, momentText, &result.error);
        return result;
    }
    // One write replaces the old line, so a failure leaves the file exactly as it was.
    result.newLineWritten = file.change(*oldName, name, momentText, &result.error);
    result.oldLineRemoved = result.newLineWritten;
    return result;
}
