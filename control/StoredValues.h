#pragma once

#include "OleColor.h"

#include <QFont>
#include <QVariant>

namespace Orvane {
class Picture;
}

// Values read from a property bag, which may hold them as their own types or as text from a
// form file: booleans as True/False or -1/0, colours as signed or unsigned decimals or 0x hex.
namespace Orvane::StoredValues {

bool toBool(const QVariant& value);
qint32 toInt(const QVariant& value);
OleColor toColor(const QVariant& value);
QFont toFont(const QVariant& value);
Picture toPicture(const QVariant& value);
// A picture as it goes into a bag: its stored text, or no value for none or an empty picture.
QVariant fromPicture(const Picture& picture);

} // namespace Orvane::StoredValues
