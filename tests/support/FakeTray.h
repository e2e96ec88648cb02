#pragma once

#include "platform/ui/Tray.h"

#include <QPoint>
#include <QStringList>

// A notification area a test controls: it can refuse the icon, and clicks are simulated.
class FakeTray final : public Tray
{
    Q_OBJECT

public:
    bool add(const QIcon& icon, const QString& tip) override;
    bool remove() override;
    bool isShown() const override { return m_shown; }
    bool showMessage(const QString& title, const QString& body) override;

    bool refuses = false; // a desktop without a notification area
    QString tip() const { return m_tip; }
    int adds() const { return m_adds; }
    int removes() const { return m_removes; }
    QStringList messages; // title and body of each message shown beside the icon
    void clickLeft() { Q_EMIT leftButtonDown(); }
    void clickRight(const QPoint& at = QPoint(20, 20)) { Q_EMIT rightButtonDown(at); }

private:
    bool m_shown = false;
    QString m_tip;
    int m_adds = 0;
    int m_removes = 0;
};
