#pragma once

class QSize;
class QWidget;

// A window laid out by hand is as large as its content. Where the screen's free area (less the
// window frame) is smaller than that, at a large scale or with a large font on a small screen,
// the window takes the free area and its controls move into a scroll area inside it, so all of
// them stay reachable rather than lying off the screen. Fonts, gaps and sizes stay as designed.
namespace ScreenFit {

// Fixes the window's size at wanted, or at the screen's free area where that is smaller.
// wanted is the size of the area the controls are placed on (placingArea).
void fixSize(QWidget& window, const QSize& wanted);
// Sizes a resizable window to wanted, or to the screen's free area where that is smaller.
void resizeWithin(QWidget& window, const QSize& wanted);
// Where the window's controls are placed: the window, or the scrolled content once they moved there.
QWidget& placingArea(QWidget& window);

} // namespace ScreenFit
