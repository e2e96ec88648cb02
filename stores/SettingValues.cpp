#include "stores/SettingValues.h"

#include "stores/Settings.h"

#include <limits>

namespace {

std::optional<size_t> colourIndex(SettingKey key)
{
    if (int(key) < int(SettingKey::Back) || int(key) > int(SettingKey::Finished))
        return std::nullopt;
    return size_t(int(key) - int(SettingKey::Back));
}

} // namespace

std::optional<int> SettingValues::parseRefreshMs(QStringView text)
{
    bool ok = false;
    const qlonglong seconds = text.trimmed().toLongLong(&ok);
    if (!ok || seconds < 0 || seconds * 1000 > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(seconds * 1000);
}

std::optional<double> SettingValues::parseFontSize(QStringView text)
{
    bool ok = false;
    const double size = text.trimmed().toDouble(&ok);
    if (!ok || size <= 0 || size > 1638)
        return std::nullopt;
    return size;
}

std::optional<qint32> SettingValues::parseColour(QStringView text)
{
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

void SettingValues::take(SettingKey key, QStringView text)
{
    if (key == SettingKey::Refresh) {
        refreshMs = parseRefreshMs(text);
    } else if (int(key) >= int(SettingKey::Sun) && int(key) <= int(SettingKey::Sat)) {
        const bool yes = text == u"Y";
        workdays[size_t(int(key) - int(SettingKey::Sun))]
            = yes || text == u"N" ? std::optional<bool>(yes) : std::nullopt;
    } else if (key == SettingKey::Size) {
        fontSize = parseFontSize(text);
    } else if (const auto index = colourIndex(key)) {
        colours[*index] = parseColour(text);
    }
}

std::optional<qint32> SettingValues::colour(SettingKey key) const
{
    const auto index = colourIndex(key);
    return index ? colours[*index] : std::nullopt;
}
