#include "platform/ui/TopLevelWindows.h"

#include <QApplication>
#include <QWidget>

namespace TopLevelWindows {

quintptr find(const QString& title)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->windowTitle().compare(title, Qt::CaseInsensitive) == 0)
            return reinterpret_cast<quintptr>(window);
    }
    return 0;
}

QWidget* widget(quintptr handle)
{
    // A handle is only trusted while it still names a live top-level widget.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (reinterpret_cast<quintptr>(window) == handle)
            return window;
    }
    return nullptr;
}

bool send(quintptr handle, int message)
{
    QWidget* window = widget(handle);
    if (!window)
        return false;
    if (message == CloseMessage)
        window->close();
    return true;
}

} // namespace TopLevelWindows
