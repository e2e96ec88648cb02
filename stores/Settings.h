#pragma once

#include "core/TimeUnit.h"
#include "stores/SettingValues.h"

#include <QString>
#include <array>

// The fields of the settings record, in record order: section "System", then "Position",
// then "List".
enum class SettingKey {
    Year,
    Month,
    Week,
    Day,
    Hour,
    Minute,
    Second,
    Refresh,
    Sun,
    Mon,
    Tues,
    Wed,
    Thur,
    Fri,
    Sat,
    Left,
    Top,
    Width,
    Height,
    Name,
    Size,
    Back,
    General,
    Future,
    Paused,
    Finished,
};

constexpr int settingCount = 26;

struct SettingDefinition
{
    const char* section;
    const char* key;
    const char* defaultValue; // nullptr for the position, which has no default
};

const SettingDefinition& settingDefinition(SettingKey key);
SettingKey decimalsKey(TimeUnit unit);

// The in-memory copy of the settings file: every value as text, exactly as read, and the
// values read as numbers, flags and colours, each parsed once when its text is set.
class Settings
{
public:
    const QString& value(SettingKey key) const { return m_values[size_t(key)]; }
    void setValue(SettingKey key, const QString& value)
    {
        m_values[size_t(key)] = value;
        m_parsed.take(key, value);
    }
    const SettingValues& parsed() const { return m_parsed; }

    const QString& decimals(TimeUnit unit) const { return value(decimalsKey(unit)); }
    // dayOfWeek counts from Sunday as 1.
    bool isWorkday(int dayOfWeek) const;

    friend bool operator==(const Settings&, const Settings&) = default;

private:
    std::array<QString, settingCount> m_values;
    SettingValues m_parsed;
};
