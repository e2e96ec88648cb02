#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QWidget;

// The desktop services behind the profile-and-shell component: file dialogs, the colour
// chooser, opening addresses and finding the program's own top-level windows.
// Filters here are in Qt's form ("Text (*.txt);;All Files (*.*)").
class Desktop
{
public:
    virtual ~Desktop() = default;
    // The chosen paths, empty when cancelled.
    virtual QStringList openFileNames(
        QWidget* owner, const QString& title, const QString& filter, const QString& initialPath)
        = 0;
    // The chosen path, empty when cancelled.
    virtual QString saveFileName(
        QWidget* owner, const QString& title, const QString& filter, const QString& defaultExtension)
        = 0;
    // The chosen colour as 0x00BBGGRR, or -1 when cancelled; the chooser opens at initial.
    virtual qint32 chooseColor(QWidget* owner, qint32 initial) = 0;
    virtual bool openAddress(const QString& address) = 0;
    // A top-level window of this program with that title; 0 when there is none.
    virtual quintptr findWindow(const QString& title) = 0;
    // Message 16 closes the window.
    virtual bool sendWindowMessage(quintptr window, int message, quintptr first, quintptr second) = 0;
};
