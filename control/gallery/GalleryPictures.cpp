#include "GalleryPictures.h"

#include "Picture.h"

#include <QPainter>
#include <QPixmap>

namespace GalleryPictures {

namespace {

QPixmap disc(const QColor& fill, const QColor& mark)
{
    QPixmap image(24, 24);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.darker(160), 1.5));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
    p.setPen(QPen(mark, 2.5));
    p.drawLine(QPointF(7, 12.5), QPointF(10.5, 16));
    p.drawLine(QPointF(10.5, 16), QPointF(17, 8));
    return image;
}

} // namespace

Orvane::Picture bitmap()
{
    QPixmap image(24, 24);
    image.fill(QColor(255, 255, 224));
    QPainter p(&image);
    p.setPen(QColor(64, 64, 128));
    p.drawRect(0, 0, 23, 23);
    p.fillRect(4, 4, 7, 7, QColor(200, 40, 40));
    p.fillRect(13, 4, 7, 7, QColor(40, 150, 40));
    p.fillRect(4, 13, 7, 7, QColor(40, 60, 200));
    p.fillRect(13, 13, 7, 7, QColor(230, 170, 20));
    return Orvane::Picture::bitmap(image);
}

Orvane::Picture icon()
{
    return Orvane::Picture::icon(disc(QColor(60, 140, 220), Qt::white));
}

Orvane::Picture hoverIcon()
{
    return Orvane::Picture::icon(disc(QColor(240, 150, 30), Qt::white));
}

} // namespace GalleryPictures
