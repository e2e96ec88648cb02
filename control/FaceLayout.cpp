#include "FaceLayout.h"

#include <limits>

namespace Orvane {

namespace {

constexpr qint64 gap = 4;
// innerRect lies 4 pixels inside the face on the left and top, 3 inside the last pixel on the
// right and bottom: 8 pixels across and down are border band.
constexpr int borderBand = 8;

bool fits(qint64 v)
{
    return v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max();
}

// Integer division truncated toward zero, as the layout rules divide.
qint64 half(qint64 v)
{
    return v / 2;
}

struct Wide
{
    qint64 left = 0, top = 0, right = 0, bottom = 0;
    static Wide from(const FaceRect& r) { return { r.left, r.top, r.right, r.bottom }; }
    bool fits() const
    {
        return ::Orvane::fits(left) && ::Orvane::fits(top) && ::Orvane::fits(right) && ::Orvane::fits(bottom);
    }
    FaceRect narrow() const
    {
        return { static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
            static_cast<int>(bottom) };
    }
};

} // namespace

bool FaceLayout::layout(const Input& in, const Measure& measure)
{
    const FaceRect client { 0, 0, in.width - 1, in.height - 1 };
    const FaceRect inner { client.left + 4, client.top + 4, client.right - 3, client.bottom - 3 };
    const qint64 inW = inner.width();
    const qint64 inH = inner.height();
    const qint64 pw = in.pictureWidth;
    const qint64 ph = in.pictureHeight;

    Wide caption = Wide::from(captionRect);
    Wide picture = Wide::from(pictureRect);

    const auto measureCentred = [&]() {
        const FaceRect m = measure(inner);
        const qint64 capW = m.width();
        const qint64 capH = m.height();
        caption.left = inner.left + half(inW - capW);
        caption.top = inner.top + half(inH - capH);
        caption.right = caption.left + capW;
        caption.bottom = caption.top + capH;
    };

    if (!in.hasPicture) {
        measureCentred();
    } else if (!in.hasCaption) {
        picture.left = inner.left + half(inW - pw);
        picture.top = inner.top + half(inH - ph);
        picture.right = picture.left + pw;
        picture.bottom = picture.top + ph;
    } else {
        measureCentred();
        const qint64 capW = caption.right - caption.left;
        const qint64 capH = caption.bottom - caption.top;
        switch (in.picturePosition) {
        case 0: // gbTOP: picture first, caption below it
            picture.top = inner.top + half(inH - (capH + gap + ph));
            picture.left = inner.left + half(inW - pw);
            caption.top = picture.top + ph + gap;
            caption.left = inner.left + half(inW - capW);
            break;
        case 1: // gbLEFT
            picture.top = inner.top + half(inH - ph);
            picture.left = inner.left + half(inW - (capW + gap + pw));
            caption.top = inner.top + half(inH - capH);
            caption.left = picture.left + pw + gap;
            break;
        case 2: // gbRIGHT: caption first, picture beside it
            caption.top = inner.top + half(inH - capH);
            caption.left = inner.left + half(inW - (capW + gap + pw));
            picture.top = inner.top + half(inH - ph);
            picture.left = caption.left + capW + gap;
            break;
        case 3: // gbBOTTOM
            caption.top = inner.top + half(inH - (capH + gap + ph));
            caption.left = inner.left + half(inW - capW);
            picture.top = caption.top + capH + gap;
            picture.left = inner.left + half(inW - pw);
            break;
        default: // the picture keeps its rectangle; the caption stays centred
            break;
        }
        if (in.picturePosition >= 0 && in.picturePosition <= 3) {
            picture.right = picture.left + pw;
            picture.bottom = picture.top + ph;
            caption.right = caption.left + capW;
            caption.bottom = caption.top + capH;
        }
    }

    if (!caption.fits() || !picture.fits())
        return false;
    clientRect = client;
    innerRect = inner;
    captionRect = caption.narrow();
    pictureRect = picture.narrow();
    return true;
}

QSize FaceLayout::fullSize(const Input& in, const QSize& caption)
{
    const QSize picture(qMax(0, in.pictureWidth), qMax(0, in.pictureHeight));
    QSize inner = caption;
    if (in.hasPicture && !in.hasCaption) {
        inner = picture;
    } else if (in.hasPicture) {
        switch (in.picturePosition) {
        case 0:
        case 3: // above or below the caption
            inner
                = { qMax(caption.width(), picture.width()), caption.height() + int(gap) + picture.height() };
            break;
        case 1:
        case 2: // beside the caption
            inner
                = { caption.width() + int(gap) + picture.width(), qMax(caption.height(), picture.height()) };
            break;
        default: // the caption alone is placed
            break;
        }
    }
    return inner + QSize(borderBand, borderBand);
}

} // namespace Orvane
