#include "stores/SettingsFile.h"

#include "components/ProfileFile.h"

Settings SettingsFile::read() const
{
    Settings settings;
    for (int i = 0; i < settingCount; ++i) {
        const SettingDefinition& definition = settingDefinition(SettingKey(i));
        settings.setValue(SettingKey(i),
            ProfileFile::readText(
                m_path, QString::fromLatin1(definition.section), QString::fromLatin1(definition.key)));
    }
    return settings;
}

bool SettingsFile::writeDefaults(QString* error) const
{
    bool allWritten = true;
    for (int i = 0; i < settingCount; ++i) {
        const SettingDefinition& definition = settingDefinition(SettingKey(i));
        if (!definition.defaultValue)
            continue;
        QString reason;
        if (!writeValue(SettingKey(i), QString::fromLatin1(definition.defaultValue), &reason) && allWritten) {
            allWritten = false;
            if (error)
                *error = reason;
        }
    }
    return allWritten;
}

bool SettingsFile::writeValue(SettingKey key, const QString& value, QString* error) const
{
    const SettingDefinition& definition = settingDefinition(key);
    return ProfileFile::writeText(
        m_path, QString::fromLatin1(definition.section), QString::fromLatin1(definition.key), value, error);
}

Settings SettingsFile::readAtStartup(QString* error) const
{
    Settings settings = read();
    if (settings.value(SettingKey::Year).isEmpty()) {
        writeDefaults(error);
        settings = read();
    }
    return settings;
}
