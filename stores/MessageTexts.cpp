#include "stores/MessageTexts.h"

#include "stores/DataFiles.h"
#include "platform/DataFolder.h"
#include "components/ProfileFile.h"

QString messageText(const QString& folder, const QString& key)
{
    return ProfileFile::readText(dataFilePath(folder, DataFileName::tips), QStringLiteral("Message & Text"), key);
}

QString linkText(const QString& folder, const QString& key)
{
    return ProfileFile::readText(dataFilePath(folder, DataFileName::tips), QStringLiteral("Links"), key);
}
