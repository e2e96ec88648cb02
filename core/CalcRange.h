#pragma once

#include "core/Moment.h"

// The moments the calculator works between, the range of its date pickers.
namespace CalcRange {
Moment earliest(); // 1601/01/01 00:00:00
Moment latest(); // 9999/12/31 23:59:59
bool contains(const Moment& moment);
} // namespace CalcRange
