#include "MessageTexts.h"

#include "DataFiles.h"
#include "DataFolder.h"
#include "ProfileFile.h"

QString messageText(const QString& folder, const QString& key)
{
    return ProfileFile::readText(dataFilePath(folder, DataFileName::tips), QStringLiteral("Message & Text"), key);
}

QString linkText(const QString& folder, const QString& key)
{
    return ProfileFile::readText(dataFilePath(folder, DataFileName::tips), QStringLiteral("Links"), key);
}
