#pragma once

#include "platform/Desktop.h"

// The desktop services with Qt's own dialogs and QDesktopServices.
class QtDesktop final : public Desktop
{
public:
    QStringList openFileNames(
        QWidget* owner, const QString& title, const QString& filter, const QString& initialPath) override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& filter,
        const QString& defaultExtension) override;
    qint32 chooseColor(QWidget* owner, qint32 initial) override;
    bool openAddress(const QString& address) override;
    quintptr findWindow(const QString& title) override;
    bool sendWindowMessage(quintptr window, int message, quintptr first, quintptr second) override;

    // A colour in the program's encoding: red in the lowest byte, then green, then blue.
    static qint32 encodeColor(int red, int green, int blue);
};
