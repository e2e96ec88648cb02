#include "ui/common/ScreenFit.h"

#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString scrollerName = u"screenFit"_s;

QScrollArea* existingScroller(QWidget& window)
{
    return window.findChild<QScrollArea*>(scrollerName, Qt::FindDirectChildrenOnly);
}

// The frame the window manager puts around a window: as a shown window of the program has
// it (none at all without a window manager), else the style's title bar and border.
QSize frameAllowance(const QWidget& window)
{
    for (const QWidget* shown = &window; shown;
         shown = shown->parentWidget() ? shown->parentWidget()->window() : nullptr) {
        if (shown->isVisible())
            return shown->frameGeometry().size() - shown->size();
    }
    const QStyle* style = window.style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    return { 2 * border, style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window) + 2 * border };
}

// The largest inner size that keeps the window and its frame on the screen's free area;
// none while the window has no screen.
std::optional<QSize> room(const QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return std::nullopt;
    return screen->availableGeometry().size() - frameAllowance(window);
}

// Moves the window's controls into a scroll area filling it. The scroll area is inside the
// window before they move, so they stay in the same window and keep their tab order.
QScrollArea& scroller(QWidget& window)
{
    if (QScrollArea* existing = existingScroller(window))
        return *existing;
    const QObjectList children = window.children();
    auto* area = new QScrollArea(&window);
    area->setObjectName(scrollerName);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget;
    content->setObjectName(u"screenFitContent"_s);
    area->setWidget(content);
    for (QObject* child : children) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control->isWindow())
            continue;
        const bool shown = !control->isHidden();
        const QRect at = control->geometry();
        control->setParent(content);
        control->setGeometry(at);
        control->setVisible(shown);
    }
    area->show();
    return *area;
}

} // namespace

namespace ScreenFit {

void fixSize(QWidget& window, const QSize& wanted)
{
    QSize size = wanted;
    QScrollArea* area = existingScroller(window);
    const std::optional<QSize> roomLeft = room(window);
    if (roomLeft && (wanted.width() > roomLeft->width() || wanted.height() > roomLeft->height())) {
        area = &scroller(window);
        // A scroll bar across takes room down, and one down takes room across.
        const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
        if (size.width() > roomLeft->width())
            size = { roomLeft->width(), size.height() + bar };
        if (size.height() > roomLeft->height())
            size = { std::min(size.width() + bar, roomLeft->width()), roomLeft->height() };
    }
    if (area) {
        area->widget()->resize(wanted);
        area->setGeometry(QRect(QPoint(), size));
    }
    if (window.size() != size || window.minimumSize() != size || window.maximumSize() != size)
        window.setFixedSize(size);
}

void resizeWithin(QWidget& window, const QSize& wanted)
{
    const std::optional<QSize> roomLeft = room(window);
    window.resize(roomLeft ? wanted.boundedTo(*roomLeft) : wanted);
}

QWidget& placingArea(QWidget& window)
{
    const QScrollArea* area = existingScroller(window);
    return area ? *area->widget() : window;
}

} // namespace ScreenFit
