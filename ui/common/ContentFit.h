#pragma once

class QWidget;

// Windows laid out at fixed design positions grow to their texts: when a caption of the
// current font, language or scale needs more room than its design box, every position and
// size of the window is stretched by the largest such need, across and down separately, so
// no text is cut and nothing overlaps. Never smaller than the design. The design geometry is
// kept on first use, so calling it again after new texts starts from the design.
namespace ContentFit {

void stretchToTexts(QWidget& window);

} // namespace ContentFit
