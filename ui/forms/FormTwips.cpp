#include "FormTwips.h"

#include <cmath>

namespace FormTwips {

int toPixels(int twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

} // namespace FormTwips
