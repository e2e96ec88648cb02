#pragma once

#include "FaceRect.h"

#include <QSize>
#include <QtGlobal>

#include <functional>

namespace Orvane {

// The rectangles of the button's face and how LayoutFace places picture and caption.
// The layout keeps the picture's (and, for a picture alone, the caption's) rectangle from the
// previous run when a run does not set it, as the button's face relies on.
class FaceLayout
{
public:
    struct Input
    {
        int width = 0;
        int height = 0;
        bool hasPicture = false;
        bool hasCaption = false;
        qint32 picturePosition = 1;
        qint32 pictureWidth = 32;
        qint32 pictureHeight = 32;
    };
    // Measures the caption from the given rectangle: keeps left and top, sets right and bottom
    // to the extent of the text wrapped at the rectangle's width.
    using Measure = std::function<FaceRect(const FaceRect&)>;

    // False, with the rectangles unchanged, when the arithmetic leaves 32 bits.
    bool layout(const Input& input, const Measure& measure);
    // The smallest face (width and height of Input ignored) on which layout places picture and
    // a caption of captionSize (empty for none) side by side as the position asks, both whole,
    // inside the border band around innerRect.
    static QSize fullSize(const Input& input, const QSize& captionSize);

    FaceRect clientRect;
    FaceRect innerRect;
    FaceRect captionRect;
    FaceRect pictureRect;
};

} // namespace Orvane
