#pragma once

#include "FaceRect.h"

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

    FaceRect clientRect;
    FaceRect innerRect;
    FaceRect captionRect;
    FaceRect pictureRect;
};

} // namespace Orvane
