#include "platform/ScreenFit.h"

#include <algorithm>

namespace {

qint64 overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

} // namespace

QRect fitOnScreens(const QRect& frame, const QSize& minimum, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return frame;
    const QRect screen = *std::max_element(screens.cbegin(), screens.cend(),
        [&](const QRect& a, const QRect& b) { return overlap(frame, a) < overlap(frame, b); });
    const int width
        = std::clamp(frame.width(), std::clamp(minimum.width(), 1, screen.width()), screen.width());
    const int height
        = std::clamp(frame.height(), std::clamp(minimum.height(), 1, screen.height()), screen.height());
    const int left = std::clamp(frame.left(), screen.left(), screen.left() + screen.width() - width);
    const int top = std::clamp(frame.top(), screen.top(), screen.top() + screen.height() - height);
    return QRect(left, top, width, height);
}
