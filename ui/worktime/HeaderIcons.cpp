#include "ui/worktime/HeaderIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace {

QIcon arrow(bool up, const QColor& colour)
{
    QPixmap image(10, 10);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(1, up ? 7.5 : 2.5);
    path.lineTo(9, up ? 7.5 : 2.5);
    path.lineTo(5, up ? 2.5 : 7.5);
    path.closeSubpath();
    painter.fillPath(path, colour);
    return QIcon(image);
}

} // namespace

std::array<QIcon, 2> makeHeaderIcons(const QPalette& palette)
{
    const QColor colour = palette.color(QPalette::Active, QPalette::ButtonText);
    return { arrow(true, colour), arrow(false, colour) };
}
