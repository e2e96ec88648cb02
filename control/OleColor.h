#pragma once

#include "OrvaneExport.h"

#include <QColor>
#include <QtGlobal>

class QPalette;

// Colour values as the button stores them: red in the low byte, or the top bit set and a
// system colour index in the low byte. System colours follow the desktop theme via QPalette.
namespace Orvane {

using OleColor = quint32;

constexpr OleColor systemColor(int index)
{
    return 0x80000000u | static_cast<OleColor>(index & 0xFF);
}
constexpr bool isSystemColor(OleColor value)
{
    return (value & 0x80000000u) != 0;
}
constexpr OleColor rgbColor(int red, int green, int blue)
{
    return static_cast<OleColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

inline constexpr OleColor buttonFace = systemColor(15);
inline constexpr OleColor buttonShadow = systemColor(16);
inline constexpr OleColor buttonText = systemColor(18);
inline constexpr OleColor buttonHighlight = systemColor(20);
inline constexpr OleColor darkShadow3D = systemColor(21);
inline constexpr OleColor light3D = systemColor(22);

ORVANE_EXPORT QColor resolveColor(OleColor value, const QPalette& palette);
ORVANE_EXPORT OleColor toOleColor(const QColor& color);

} // namespace Orvane
