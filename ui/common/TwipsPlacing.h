#pragma once

class QRect;
class QString;
class QWidget;

// Windows are laid out as their forms give them, in twips; these put that onto widgets at the
// logical DPI of the screen they are on, through the one twips conversion of platform/.
namespace TwipsPlacing {

// Names a control and puts it where its form gives it: {left, top, width, height} in twips.
void place(QWidget* control, const QString& name, const QRect& twips);
// Twips as pixels across and down on the widget's screen.
int across(const QWidget& widget, int twips);
int down(const QWidget& widget, int twips);
// Fixes a dialog's size so that it reaches marginTwips beyond the right and bottom edges of
// area, the geometry (in pixels) of the control it is sized around; within the screen (ScreenFit).
void fitAround(QWidget& dialog, const QRect& area, int marginTwips);

} // namespace TwipsPlacing
