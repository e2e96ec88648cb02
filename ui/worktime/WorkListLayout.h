#pragma once

#include <array>
#include <optional>

// Where the works list goes inside the work-time window's client area and how wide its eleven
// columns are, all in twips. The list sits below the buttons with a margin of 90 on the left,
// right and bottom; "Status", "Began", "Finished", "Years" and "Months" have fixed widths and
// "Work" and the five other counters share the rest. A counter takes no more of its share than
// its counts need; "Work" gets the room the counters leave, so names show whole.
struct WorkListLayout
{
    static constexpr int left = 90;
    static constexpr int top = 585;
    static constexpr int margin = 90;

    // No value where the computed size is negative: that size is left as it was.
    std::optional<int> width;
    std::optional<int> height;
    std::array<std::optional<int>, 11> columns {};
};

// currentListWidth is the list's width now, which the columns follow when the new width is skipped;
// counterWidth is what a counter column needs to show its counts, none for an equal share.
WorkListLayout layoutWorkList(
    int innerWidth, int innerHeight, int currentListWidth, std::optional<int> counterWidth = std::nullopt);
