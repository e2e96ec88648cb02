#include "FacePainter.h"

#include "CaptionText.h"

#include <QImage>
#include <QPainter>

#include <cmath>

namespace Orvane::FacePainter {

namespace {

// The picture's shape in one colour: its opaque, not light pixels, as the platform's
// disabled state takes them.
QImage shapeIn(const QImage& source, const QColor& color)
{
    QImage shape(source.size(), QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    const QRgb ink = color.rgba();
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb px = source.pixel(x, y);
            if (qAlpha(px) >= 128 && qGray(px) < 192)
                shape.setPixel(x, y, ink);
        }
    }
    return shape;
}

// A one-pixel outline whose edges run along x1, x2, y1 and y2; what lies outside is clipped.
void box(QPainter& p, double x1, double y1, double x2, double y2, const QColor& c)
{
    const int l = static_cast<int>(std::lround(std::min(x1, x2)));
    const int r = static_cast<int>(std::lround(std::max(x1, x2)));
    const int t = static_cast<int>(std::lround(std::min(y1, y2)));
    const int b = static_cast<int>(std::lround(std::max(y1, y2)));
    p.fillRect(QRect(l, t, r - l + 1, 1), c);
    p.fillRect(QRect(l, b, r - l + 1, 1), c);
    p.fillRect(QRect(l, t, 1, b - t + 1), c);
    p.fillRect(QRect(r, t, 1, b - t + 1), c);
}

// A plain horizontal or vertical line without its end point.
void line(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c)
{
    if (y1 == y2)
        p.fillRect(QRect(std::min(x1, x2), y1, std::abs(x2 - x1), 1), c);
    else
        p.fillRect(QRect(x1, std::min(y1, y2), 1, std::abs(y2 - y1)), c);
}

} // namespace

void paint(QImage& face, const FaceState& state)
{
    face.fill(state.back);
    QPainter painter(&face);
    drawPicture(painter, state);
    if (state.hasFocus && state.showFocusRect)
        drawFocusRect(painter, state.focusRect);
    drawCaption(painter, state);
    drawBorder(painter, state);
}

void drawPicture(QPainter& painter, const FaceState& state)
{
    const Picture& picture = state.picture;
    if (picture.isNull())
        return;
    const bool drawable = picture.kind() == Picture::Kind::Bitmap || picture.kind() == Picture::Kind::Icon;
    const FaceRect rect = state.isPressed ? state.pictureRect.moved(1, 1) : state.pictureRect;
    const QSize natural = picture.naturalSize();
    if (natural.isEmpty())
        return;

    // Rendered once off screen at its natural size, then stretched onto the face.
    QImage surface(natural, QImage::Format_ARGB32_Premultiplied);
    surface.fill(state.pictureBack);
    if (drawable) {
        QPainter onSurface(&surface);
        if (state.enabled) {
            onSurface.drawPixmap(QRect(QPoint(0, 0), natural), picture.pixmap());
        } else {
            const QImage image = picture.pixmap().toImage().scaled(natural);
            onSurface.drawImage(1, 1, shapeIn(image, state.highlight));
            onSurface.drawImage(0, 0, shapeIn(image, state.shadow));
        }
    }
    painter.drawImage(QRect(rect.left, rect.top, rect.width(), rect.height()), surface);
}

void drawFocusRect(QPainter& painter, const FaceRect& rect)
{
    // A dotted frame drawn by inverting every other pixel, like the platform's focus frame.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor invert(Qt::white);
    const int r = rect.right - 1;
    const int b = rect.bottom - 1;
    for (int x = rect.left; x <= r; x += 2) {
        painter.fillRect(x, rect.top, 1, 1, invert);
        painter.fillRect(x, b, 1, 1, invert);
    }
    for (int y = rect.top + 2; y < b; y += 2) {
        painter.fillRect(rect.left, y, 1, 1, invert);
        painter.fillRect(r, y, 1, 1, invert);
    }
    painter.restore();
}

void drawCaption(QPainter& painter, const FaceState& state)
{
    if (state.caption.isEmpty())
        return;
    const FaceRect rect = state.isPressed ? state.captionRect.moved(1, 1) : state.captionRect;
    if (state.enabled) {
        CaptionText::draw(painter, state.caption, state.font, rect, state.fore);
        return;
    }
    // Embossed: a highlight copy one pixel right and down under a shadow copy.
    CaptionText::draw(painter, state.caption, state.font, rect.moved(1, 1), state.highlight);
    CaptionText::draw(painter, state.caption, state.font, rect, state.shadow);
}

void drawBorder(QPainter& p, const FaceState& s)
{
    const int w = s.width;
    const int h = s.height;
    const QColor& S = s.shadow;
    const QColor& HL = s.highlight;
    const QColor& DK = s.darkShadow;
    const QColor& LT = s.light;

    if (s.designMode) {
        box(p, 0, 0, w - 1, h - 1, S);
        box(p, 0, 0, w, h, HL);
    }
    if (s.borderEdged) {
        box(p, 0, 0, w - 1, h - 1, S);
        box(p, 1, 1, w - 2, h - 2, HL);
        box(p, 0, 0, w, h, DK);
        box(p, 0, 0, w - 1, h - 1, HL);
        box(p, 0, 0, w - 2, h - 2, S);
        if (s.isPressed) {
            box(p, 1, 1, w - 1, h - 1, S);
            box(p, 0, 0, w, h, DK);
            box(p, -1, -1, w - 1, h - 1, HL);
            box(p, 1.5, 1.5, w - 2, h - 2, DK);
            return;
        }
        if (!s.isHovering && !s.hasFocus)
            return;
        line(p, 2, 2, w - 4, 2, HL);
        line(p, 2, 2, 2, h - 3, HL);
        box(p, 0, 0, w - 3, h - 3, DK);
        return;
    }
    if (s.isPressed) {
        box(p, 1, 1, w - 1, h - 1, S);
        box(p, 0, 0, w - 2, h - 2, LT);
        box(p, 0, 0, w, h, DK);
        box(p, -1, -1, w - 1, h - 1, HL);
    } else if (s.isHovering) {
        box(p, 0, 0, w - 1, h - 1, S);
        box(p, 0, 0, w, h, HL);
    }
    if (s.raised && !s.isPressed && !s.isHovering) {
        box(p, 0, 0, w - 1, h - 1, S);
        box(p, 0, 0, w, h, HL);
    }
    if ((s.showBorderOnFocus && s.hasFocus && !s.isPressed && s.raised) || s.isDefault) {
        box(p, 0, 0, w - 2, h - 2, S);
        box(p, 0, 0, w, h, HL);
        box(p, -1, -1, w - 1, h - 1, DK);
    }
}

} // namespace Orvane::FacePainter
