#pragma once

#include <array>
#include <optional>

// Where the events list goes inside the main window's client area below the toolbar, and how
// wide its ten columns are. Everything is in twips. The list keeps a margin of 90 on the left,
// right and top and 45 at the bottom; "Type", "Date & Time", "Years" and "Months" have fixed
// widths and the six other columns share the rest equally.
struct ListLayout
{
    static constexpr int margin = 90;
    static constexpr int bottomMargin = 45;

    // No value where the computed size is negative: that size is left as it was.
    std::optional<int> width;
    std::optional<int> height;
    std::array<std::optional<int>, 10> columns {};
};

// currentListWidth is the list's width now, which the columns follow when the new width is skipped.
ListLayout layoutList(int areaWidth, int areaHeight, int currentListWidth);

// numerator / denominator (denominator > 0) rounded to the nearest whole number, halves to
// the even neighbour.
int roundHalfEven(long long numerator, long long denominator);
