#include "stores/DataFiles.h"

#include "platform/DataFolder.h"
#include "platform/FileAttributes.h"
#include "platform/FileSystem.h"

bool ensureDataFiles(const QString& folder, const FileSystem& fileSystem, QString* error)
{
    for (const QString& name : { DataFileName::settings, DataFileName::works, DataFileName::events }) {
        const QString path = dataFilePath(folder, name);
        if (!fileSystem.fileExists(path) && !fileSystem.createTextFile(path, true, error))
            return false;
    }
    const auto names = fileSystem.filesIn(folder, error);
    if (!names)
        return false;
    for (const QString& name : *names) {
        if (!name.toLower().endsWith(u".dll"))
            continue;
        if (!fileSystem.setAttributes(
                dataFilePath(folder, name), FileAttribute::Hidden | FileAttribute::System, error))
            return false;
    }
    return true;
}
