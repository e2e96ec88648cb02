#include "ui/main/ListLayout.h"

int roundHalfEven(long long numerator, long long denominator)
{
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) { // floor division, so the remainder lies in [0, denominator)
        remainder += denominator;
        --quotient;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        ++quotient;
    return int(quotient);
}

ListLayout layoutList(int areaWidth, int areaHeight, int currentListWidth)
{
    ListLayout layout;
    const int width = areaWidth - 2 * ListLayout::margin;
    const int height = areaHeight - ListLayout::margin - ListLayout::bottomMargin;
    if (width >= 0)
        layout.width = width;
    if (height >= 0)
        layout.height = height;

    // The columns follow the width the list ends up with; a negative share is skipped.
    const long long listWidth = layout.width.value_or(currentListWidth);
    const int share = roundHalfEven(listWidth - 400 - 750 - 2000 - 800 - 900, 6);
    const std::optional<int> shared = share >= 0 ? std::optional<int>(share) : std::nullopt;
    layout.columns = { shared, 750, 2000, 800, 900, shared, shared, shared, shared, shared };
    return layout;
}
