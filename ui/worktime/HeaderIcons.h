#pragma once

#include <QIcon>
#include <array>

class QPalette;

// The two images of the header image list: image 1, an arrow pointing up, marks a column
// sorted ascending; image 2, pointing down, one sorted descending. Drawn in the palette's
// text colour so they read on any theme.
std::array<QIcon, 2> makeHeaderIcons(const QPalette& palette);
