#pragma once

// Window sizes and positions are kept in twips, as the settings file expects:
// one pixel is 1440 / logical DPI twips (15 at 96 DPI).
namespace Twips {
constexpr double perInch = 1440.0;
double perPixel(double logicalDpi);
int fromPixels(int pixels, double logicalDpi);
int toPixels(int twips, double logicalDpi);
} // namespace Twips
