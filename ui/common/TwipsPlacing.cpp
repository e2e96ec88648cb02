#include "ui/common/TwipsPlacing.h"

#include "platform/Twips.h"
#include "ui/common/ScreenFit.h"

#include <QRect>
#include <QWidget>

namespace TwipsPlacing {

int across(const QWidget& widget, int twips)
{
    return Twips::toPixels(twips, widget.logicalDpiX());
}

int down(const QWidget& widget, int twips)
{
    return Twips::toPixels(twips, widget.logicalDpiY());
}

void place(QWidget* control, const QString& name, const QRect& twips)
{
    control->setObjectName(name);
    control->setGeometry(across(*control, twips.x()), down(*control, twips.y()),
        across(*control, twips.width()), down(*control, twips.height()));
}

void fitAround(QWidget& dialog, const QRect& area, int marginTwips)
{
    const QSize wanted(area.x() + area.width() + across(dialog, marginTwips),
        area.y() + area.height() + down(dialog, marginTwips));
    ScreenFit::fixSize(dialog, wanted);
}

} // namespace TwipsPlacing
