#pragma once

// Form data keeps positions and sizes in twips: one pixel is 1440 / logical DPI twips.
namespace FormTwips {

int toPixels(int twips, double logicalDpi);

} // namespace FormTwips
