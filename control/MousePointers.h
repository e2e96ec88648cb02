#pragma once

#include <QCursor>

namespace Orvane {
class Picture;
}

namespace Orvane::MousePointers {

// The pointer for a mouse-pointer code (0 default, 1 arrow, ... 15 size all, 99 custom, which
// shows the given picture). False for the default pointer: the widget then shows its parent's.
bool cursorFor(int code, const Picture& customIcon, QCursor* cursor);

} // namespace Orvane::MousePointers
