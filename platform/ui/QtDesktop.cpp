#include "platform/ui/QtDesktop.h"

#include "platform/ui/TopLevelWindows.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

QStringList QtDesktop::openFileNames(
    QWidget* owner, const QString& title, const QString& filter, const QString& initialPath)
{
    return QFileDialog::getOpenFileNames(owner, title, initialPath, filter);
}

QString QtDesktop::saveFileName(
    QWidget* owner, const QString& title, const QString& filter, const QString& defaultExtension)
{
    QFileDialog dialog(owner, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultExtension);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

qint32 QtDesktop::chooseColor(QWidget* owner, qint32 initial)
{
    const QColor color = QColorDialog::getColor(
        QColor(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF), owner);
    if (!color.isValid())
        return -1;
    return encodeColor(color.red(), color.green(), color.blue());
}

qint32 QtDesktop::encodeColor(int red, int green, int blue)
{
    return qint32((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

bool QtDesktop::openAddress(const QString& address)
{
    // "mailto:" and "http(s):" addresses keep their scheme; a bare host becomes a web address.
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

quintptr QtDesktop::findWindow(const QString& title)
{
    return TopLevelWindows::find(title);
}

bool QtDesktop::sendWindowMessage(quintptr window, int message, quintptr, quintptr)
{
    return TopLevelWindows::send(window, message);
}
