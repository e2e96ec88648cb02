#include "CaptionText.h"

#include <QFontMetrics>
#include <QPainter>

namespace Orvane::CaptionText {

namespace {

constexpr int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
// Wrapped text is measured against a height no caption reaches.
constexpr int unbounded = 1 << 20;

int margin(const QFont& font)
{
    return QFontMetrics(font).averageCharWidth();
}

} // namespace

FaceRect measure(const QString& caption, const QFont& font, const FaceRect& start)
{
    const int m = margin(font);
    const int wrapWidth = qMax(1, start.width() - 2 * m);
    const QRect extent = QFontMetrics(font).boundingRect(QRect(0, 0, wrapWidth, unbounded), flags, caption);
    // A word longer than the line widens the rectangle instead of being cut.
    return { start.left, start.top, start.left + extent.width() + 2 * m, start.top + extent.height() };
}

QSize oneLine(const QString& caption, const QFont& font)
{
    // Measured as measure measures, but from the left edge, where no centring rounds the
    // extent up a pixel: a start this wide wraps nothing, a pixel narrower wraps.
    const int fromLeft = (flags & ~Qt::AlignHCenter) | Qt::AlignLeft;
    const QRect extent
        = QFontMetrics(font).boundingRect(QRect(0, 0, unbounded, unbounded), fromLeft, caption);
    return { extent.width() + 2 * margin(font), extent.height() };
}

void draw(
    QPainter& painter, const QString& caption, const QFont& font, const FaceRect& rect, const QColor& color)
{
    const int m = margin(font);
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    const QRect area(rect.left + m, rect.top, qMax(1, rect.width() - 2 * m), qMax(1, rect.height()));
    painter.drawText(area, flags, caption);
    painter.restore();
}

} // namespace Orvane::CaptionText
