#include "stores/Settings.h"

namespace {

constexpr SettingDefinition definitions[settingCount] = {
    { "System", "Year", "3" },
    { "System", "Month", "3" },
    { "System", "Week", "2" },
    { "System", "Day", "2" },
    { "System", "Hour", "2" },
    { "System", "Minute", "1" },
    { "System", "Second", "0" },
    { "System", "Refresh", "1" },
    { "System", "Sun", "N" },
    { "System", "Mon", "Y" },
    { "System", "Tues", "Y" },
    { "System", "Wed", "Y" },
    { "System", "Thur", "Y" },
    { "System", "Fri", "Y" },
    { "System", "Sat", "N" },
    { "Position", "Left", nullptr },
    { "Position", "Top", nullptr },
    { "Position", "Width", nullptr },
    { "Position", "Height", nullptr },
    { "List", "Name", "Tahoma" },
    { "List", "Size", "9" },
    { "List", "Back", "-2147483643" },
    { "List", "General", "-2147483640" },
    { "List", "Future", "16711680" },
    { "List", "Paused", "16711680" },
    { "List", "Finished", "255" },
};

} // namespace

const SettingDefinition& settingDefinition(SettingKey key)
{
    return definitions[int(key)];
}

SettingKey decimalsKey(TimeUnit unit)
{
    return SettingKey(int(SettingKey::Year) + int(unit));
}

bool Settings::isWorkday(int dayOfWeek) const
{
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return false;
    return m_parsed.workdays[size_t(dayOfWeek - 1)].value_or(false);
}
