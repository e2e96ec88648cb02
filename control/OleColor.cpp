#include "OleColor.h"

#include <QPalette>

namespace Orvane {

namespace {

// The system colour indices of the desktop scheme and the palette role that plays each part.
QPalette::ColorRole roleOf(int index)
{
    switch (index) {
    case 1: // desktop
    case 4: // menu
    case 15: // button face
        return QPalette::Button;
    case 5: // window
        return QPalette::Base;
    case 6: // window frame
    case 21: // 3-D dark shadow
        return QPalette::Shadow;
    case 7: // menu text
    case 8: // window text
        return QPalette::WindowText;
    case 9: // caption text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 13: // highlight
        return QPalette::Highlight;
    case 16: // button shadow
    case 17: // grey text
        return QPalette::Dark;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 22: // 3-D light
        return QPalette::Midlight;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
    default:
        return QPalette::Window;
    }
}

} // namespace

QColor resolveColor(OleColor value, const QPalette& palette)
{
    if (isSystemColor(value))
        return palette.color(QPalette::Active, roleOf(static_cast<int>(value & 0xFF)));
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
        static_cast<int>((value >> 16) & 0xFF));
}

OleColor toOleColor(const QColor& color)
{
    return rgbColor(color.red(), color.green(), color.blue());
}

} // namespace Orvane
