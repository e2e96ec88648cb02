#pragma once

#include "OrvaneExport.h"

#include <QObject>

// The enumerations of the Orvane type library. Both have a fixed 32-bit underlying type, so a
// value outside the named ones (the button does no range check) is still a valid value.
namespace Orvane {
Q_NAMESPACE_EXPORT(ORVANE_EXPORT)

enum GB_PIC_POSITION : qint32 { gbTOP = 0, gbLEFT = 1, gbRIGHT = 2, gbBOTTOM = 3 };
Q_ENUM_NS(GB_PIC_POSITION)

enum GB_PIC_SIZE : qint32 { size16x16 = 0, size32x32 = 1, sizeDefault = 2, sizeCustom = 3 };
Q_ENUM_NS(GB_PIC_SIZE)

} // namespace Orvane
