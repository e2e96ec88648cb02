#pragma once

#include "platform/ui/Tray.h"

class QSystemTrayIcon;

// The tray on QSystemTrayIcon.
class QtTray final : public Tray
{
    Q_OBJECT

public:
    explicit QtTray(QObject* parent = nullptr);
    bool add(const QIcon& icon, const QString& tip) override;
    bool remove() override;
    bool isShown() const override;
    bool showMessage(const QString& title, const QString& body) override;

private:
    QSystemTrayIcon* m_icon = nullptr;
};
