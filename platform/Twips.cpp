#include "platform/Twips.h"

#include <cmath>

namespace Twips {

double perPixel(double logicalDpi)
{
    // A missing or broken DPI falls back to the common 96 DPI, 15 twips a pixel.
    return perInch / (logicalDpi > 0 ? logicalDpi : 96.0);
}

int fromPixels(int pixels, double logicalDpi)
{
    return static_cast<int>(std::lround(pixels * perPixel(logicalDpi)));
}

int toPixels(int twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips / perPixel(logicalDpi)));
}

} // namespace Twips
