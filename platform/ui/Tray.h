#pragma once

#include <QObject>

class QIcon;
class QPoint;

// The notification-area icon of the main window: added when the window is minimized into
// the tray, removed when it comes back. Adding fails while the icon is already shown or where
// the desktop has no notification area; the window then minimizes as any window does.
class Tray : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    virtual bool add(const QIcon& icon, const QString& tip) = 0;
    virtual bool remove() = 0;
    virtual bool isShown() const = 0;
    // A message beside the shown icon; false when no icon is shown to carry it.
    virtual bool showMessage(const QString& title, const QString& body) = 0;

Q_SIGNALS:
    void leftButtonDown();
    void rightButtonDown(const QPoint& globalPosition);
    void messageClicked();
};
