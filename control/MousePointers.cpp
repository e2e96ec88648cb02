#include "MousePointers.h"

#include "Picture.h"

namespace Orvane::MousePointers {

bool cursorFor(int code, const Picture& customIcon, QCursor* cursor)
{
    static constexpr Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,
        Qt::ArrowCursor,
        Qt::CrossCursor,
        Qt::IBeamCursor,
        Qt::ArrowCursor,
        Qt::SizeAllCursor,
        Qt::SizeBDiagCursor,
        Qt::SizeVerCursor,
        Qt::SizeFDiagCursor,
        Qt::SizeHorCursor,
        Qt::UpArrowCursor,
        Qt::WaitCursor,
        Qt::ForbiddenCursor,
        Qt::BusyCursor,
        Qt::WhatsThisCursor,
        Qt::SizeAllCursor,
    };
    if (code == 99) {
        if (customIcon.pixmap().isNull())
            return false;
        *cursor = QCursor(customIcon.pixmap());
        return true;
    }
    if (code <= 0 || code >= static_cast<int>(std::size(shapes)))
        return false;
    *cursor = QCursor(shapes[code]);
    return true;
}

} // namespace Orvane::MousePointers
