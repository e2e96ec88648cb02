#pragma once

// A rectangle as the button's layout keeps it: left, top, right, bottom in pixels, with right
// and bottom one past the last covered pixel.
namespace Orvane {

struct FaceRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    FaceRect moved(int dx, int dy) const { return { left + dx, top + dy, right + dx, bottom + dy }; }
    friend bool operator==(const FaceRect&, const FaceRect&) = default;
};

} // namespace Orvane
