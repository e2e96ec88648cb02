#pragma once

#include <QColor>
#include <QStringView>
#include <optional>

class QPalette;

// Colours are stored as 32-bit signed integers in decimal text: 0 to 16,777,215 is
// red-green-blue with red in the lowest byte (255 is red, 16711680 blue); a negative value,
// -2,147,483,648 plus n, names the desktop's system colour n, which maps onto a palette role
// so a dark desktop theme gives dark lists.
namespace ColourValue {

constexpr qint32 systemBase = qint32(0x80000000);

// No value for a text that is not such a number, or a system colour the palette lacks.
std::optional<QColor> resolve(QStringView text, const QPalette& palette);
std::optional<QColor> resolve(qint32 value, const QPalette& palette);
std::optional<QColor> resolve(std::optional<qint32> value, const QPalette& palette);

// The stored value of a plain colour (its alpha is ignored).
qint32 encode(const QColor& colour);

} // namespace ColourValue
