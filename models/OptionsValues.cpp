#include "models/OptionsValues.h"

#include "stores/Settings.h"
#include "stores/SettingsFile.h"

namespace {

constexpr std::array numberKeys { SettingKey::Year, SettingKey::Month, SettingKey::Week, SettingKey::Day,
    SettingKey::Hour, SettingKey::Minute, SettingKey::Second, SettingKey::Refresh };
constexpr std::array workdayKeys { SettingKey::Sun, SettingKey::Mon, SettingKey::Tues, SettingKey::Wed,
    SettingKey::Thur, SettingKey::Fri, SettingKey::Sat };
static_assert(workdayKeys.size() == std::tuple_size_v<decltype(SettingValues::workdays)>);
constexpr std::array colourKeys { SettingKey::Back, SettingKey::General, SettingKey::Future,
    SettingKey::Paused, SettingKey::Finished };

qint32 colourOrDefault(const Settings& settings, SettingKey key)
{
    if (const auto value = settings.parsed().colour(key))
        return *value;
    return QString::fromLatin1(settingDefinition(key).defaultValue).toInt();
}

} // namespace

void loadOptions(OptionsValues& values, const Settings& settings)
{
    for (size_t box = 0; box < numberKeys.size(); ++box)
        values.numbers[box] = settings.value(numberKeys[box]);
    for (size_t day = 0; day < workdayKeys.size(); ++day) {
        if (const auto workday = settings.parsed().workdays[day])
            values.workdays[day] = *workday;
    }
    const QString& name = settings.value(SettingKey::Name);
    values.fontName = name.isEmpty() ? QStringLiteral("Tahoma") : name;
    const QString& size = settings.value(SettingKey::Size);
    values.fontSize = size.isEmpty() ? QStringLiteral("9") : size;
    for (size_t swatch = 0; swatch < colourKeys.size(); ++swatch)
        values.colours[swatch] = colourOrDefault(settings, colourKeys[swatch]);
}

bool saveOptions(
    const OptionsValues& values, const SettingsFile& file, QString* error, const Settings* opened)
{
    // One write for the whole dialog, so the file never holds half of a save.
    QList<std::pair<SettingKey, QString>> changes;
    for (size_t box = 0; box < numberKeys.size(); ++box)
        changes.append({ numberKeys[box], values.numbers[box] });
    for (size_t day = 0; day < workdayKeys.size(); ++day)
        changes.append(
            { workdayKeys[day], values.workdays[day] ? QStringLiteral("Y") : QStringLiteral("N") });
    changes.append({ SettingKey::Name, values.fontName });
    changes.append({ SettingKey::Size, values.fontSize });
    for (size_t swatch = 0; swatch < colourKeys.size(); ++swatch)
        changes.append({ colourKeys[swatch], QString::number(values.colours[swatch]) });
    if (opened) {
        changes.removeIf(
            [opened](const auto& change) { return opened->value(change.first) == change.second; });
        if (changes.isEmpty())
            return true;
    }
    QString reason;
    if (file.writeValues(changes, &reason))
        return true;
    if (error)
        *error = reason.isEmpty() ? QStringLiteral("not written") : reason;
    return false;
}
