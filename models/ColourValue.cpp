#include "models/ColourValue.h"

#include "stores/SettingValues.h"

#include <QPalette>

namespace {

std::optional<QPalette::ColorRole> roleOfSystemColour(int index)
{
    switch (index) {
    case 1: // desktop
    case 4: // menu
    case 15: // button face
        return index == 15 ? QPalette::Button : QPalette::Window;
    case 2: // active caption
    case 13: // highlight
        return QPalette::Highlight;
    case 9: // caption text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 5: // window background
        return QPalette::Base;
    case 7: // menu text
        return QPalette::WindowText;
    case 8: // window text
        return QPalette::Text;
    case 16: // button shadow
        return QPalette::Dark;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // dark shadow
        return QPalette::Shadow;
    case 22: // light
        return QPalette::Midlight;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
    case 26: // hot-tracked link
        return QPalette::Link;
    default:
        return std::nullopt;
    }
}

} // namespace

namespace ColourValue {

std::optional<QColor> resolve(qint32 value, const QPalette& palette)
{
    if (value >= 0 && value <= 0xFFFFFF)
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    if (value < 0 && value - systemBase <= 0xFF) {
        const int index = value - systemBase;
        if (index == 17) // grey text
            return palette.color(QPalette::Disabled, QPalette::Text);
        if (const auto role = roleOfSystemColour(index))
            return palette.color(QPalette::Active, *role);
    }
    return std::nullopt;
}

std::optional<QColor> resolve(std::optional<qint32> value, const QPalette& palette)
{
    return value ? resolve(*value, palette) : std::nullopt;
}

std::optional<QColor> resolve(QStringView text, const QPalette& palette)
{
    return resolve(SettingValues::parseColour(text), palette);
}

qint32 encode(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

} // namespace ColourValue
