#include "stores/SettingsFile.h"

#include "components/ProfileFile.h"
#include "platform/WriteWatch.h"

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

namespace {

QString defaultOf(SettingKey key)
{
    return QString::fromLatin1(settingDefinition(key).defaultValue);
}

// The keys with a default whose value the record lacks; all of them when every one is asked.
QList<std::pair<SettingKey, QString>> defaultsFor(const Settings* lacking)
{
    QList<std::pair<SettingKey, QString>> values;
    for (int i = 0; i < settingCount; ++i) {
        const auto key = SettingKey(i);
        if (settingDefinition(key).defaultValue && (!lacking || lacking->value(key).isEmpty()))
            values.append({ key, defaultOf(key) });
    }
    return values;
}

} // namespace

bool SettingsFile::writeDefaults(QString* error) const
{
    return writeValues(defaultsFor(nullptr), error);
}

bool SettingsFile::writeValue(SettingKey key, const QString& value, QString* error) const
{
    return writeValues({ { key, value } }, error);
}

bool SettingsFile::writeValues(const QList<std::pair<SettingKey, QString>>& values, QString* error) const
{
    QList<ProfileFile::ProfileEntry> entries;
    entries.reserve(values.size());
    for (const auto& [key, value] : values) {
        const SettingDefinition& definition = settingDefinition(key);
        entries.append(
            { QString::fromLatin1(definition.section), QString::fromLatin1(definition.key), value });
    }
    const WriteNote note(m_watch, m_path);
    return ProfileFile::writeTexts(m_path, entries, error);
}

Settings SettingsFile::readAtStartup(QString* error) const
{
    Settings settings = read();
    // A first run writes every default; a later start fills in only the values that are
    // missing, so a file that lost some keys (edited by hand, or from an older version)
    // still counts and colours. Either way it is one write.
    const auto missing = defaultsFor(settings.value(SettingKey::Year).isEmpty() ? nullptr : &settings);
    if (!missing.isEmpty()) {
        writeValues(missing, error);
        settings = read();
    }
    return settings;
}
