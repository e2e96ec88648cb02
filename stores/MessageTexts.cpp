#include "stores/MessageTexts.h"

#include "components/TextSet.h"
#include "platform/DataFolder.h"
#include "stores/DataFiles.h"

QString messageText(const QString& folder, const QString& key)
{
    return TextSet::readText(dataFilePath(folder, DataFileName::tips), QStringLiteral("Message & Text"), key);
}

QString linkText(const QString& folder, const QString& key)
{
    return TextSet::readText(dataFilePath(folder, DataFileName::tips), QStringLiteral("Links"), key);
}
