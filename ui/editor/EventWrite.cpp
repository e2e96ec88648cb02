#include "ui/editor/EventWrite.h"

#include "stores/EventsFile.h"

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

EventWriteResult writeEvent(const EventsFile& file, const QString* oldName, const QString& oldMomentText,
    const QString& name, const QString& momentText)
{
    EventWriteResult result;
    if (!oldName) {
        result.newLineWritten = file.append(name, momentText, &result.error);
        return result;
    }
    if (!sameName(*oldName, name)) {
        // Both lines may stand side by side: the new one first, then the old one goes.
        result.newLineWritten = file.append(name, momentText, &result.error);
        if (result.newLineWritten)
            result.oldLineRemoved = file.remove(*oldName, &result.error);
        return result;
    }
    // The file would then hold the name twice and only the older line would be listed,
    // so the old line must go first.
    if (!file.remove(*oldName, &result.error))
        return result;
    result.oldLineRemoved = true;
    result.newLineWritten = file.append(name, momentText, &result.error);
    if (!result.newLineWritten) {
        QString ignored;
        result.oldLineRemoved = !file.append(*oldName, oldMomentText, &ignored);
    }
    return result;
}
