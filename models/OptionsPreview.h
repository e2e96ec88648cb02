#pragma once

#include <QStringView>
#include <array>

// The six fixed rows of the options dialog's "Real Time Preview". A row with a swatch takes
// that swatch's colour (index into OptionsValues::colours) for itself and its second cell;
// the others show the list's own text colour.
struct PreviewRow
{
    QStringView type;
    QStringView value;
    int swatch; // -1: the list's text colour
};

namespace OptionsPreview {

constexpr int backSwatch = 0;
constexpr int textSwatch = 1;

inline constexpr std::array<PreviewRow, 6> rows { {
    { u"General Item A", u"111111", -1 },
    { u"Future Event", u"222222", 2 },
    { u"General Item B", u"333333", -1 },
    { u"Paused Work", u"444444", 3 },
    { u"General Item C", u"555555", -1 },
    { u"Finished Work", u"666666", 4 },
} };

} // namespace OptionsPreview
