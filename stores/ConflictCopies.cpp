#include "stores/ConflictCopies.h"

#include "stores/DataFiles.h"

bool isConflictCopy(const QString& fileName)
{
    const QString name = fileName.toLower();
    if (!name.endsWith(u".dll"))
        return false;
    for (const QString& dataFile : { DataFileName::events, DataFileName::works, DataFileName::settings }) {
        const QString base = dataFile.chopped(4); // without ".dll"
        if (name != dataFile && name.startsWith(base) && name.indexOf(u"conflict", base.size()) >= 0)
            return true;
    }
    return false;
}

QStringList conflictCopies(const QStringList& fileNames)
{
    QStringList copies;
    for (const QString& name : fileNames) {
        if (isConflictCopy(name))
            copies.append(name);
    }
    return copies;
}
