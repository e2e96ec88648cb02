#include "ui/worktime/WorkListLayout.h"

#include <cmath>

WorkListLayout layoutWorkList(
    int innerWidth, int innerHeight, int currentListWidth, std::optional<int> counterWidth)
{
    WorkListLayout layout;
    const int width = innerWidth - 2 * WorkListLayout::margin;
    const int height = innerHeight - WorkListLayout::top - WorkListLayout::margin;
    if (width >= 0)
        layout.width = width;
    if (height >= 0)
        layout.height = height;
    const double rest = double(layout.width.value_or(currentListWidth)) - 400 - 820 - 2000 - 2000 - 800 - 900;
    // Halves go to the even neighbour, as the rounding of a whole-number assignment does.
    const long share = std::lrint(rest / 6);
    std::optional<int> counter = share >= 0 ? std::optional<int>(int(share)) : std::nullopt;
    std::optional<int> name = counter;
    if (counter && counterWidth && *counterWidth >= 0 && *counterWidth < *counter) {
        *name += 5 * (*counter - *counterWidth);
        counter = counterWidth;
    }
    layout.columns = { name, 820, 2000, 2000, 800, 900, counter, counter, counter, counter, counter };
    return layout;
}
