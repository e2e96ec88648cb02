#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where a restored window goes so that it can be seen: on the screen it overlaps most (the
// first screen when it overlaps none), no larger than that screen's available area, no
// smaller than minimum (as far as the screen allows) and wholly inside it. Saved positions are plain numbers
// in the settings file, so they may be anything: an edit by hand, a screen that is gone, 2147483647.
QRect fitOnScreens(const QRect& frame, const QSize& minimum, const QList<QRect>& screens);
