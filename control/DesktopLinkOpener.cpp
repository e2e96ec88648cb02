#include "DesktopLinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace Orvane {

void DesktopLinkOpener::shellExecute(
    QWidget*, const QString&, const QString& file, const QString&, const QString&, int)
{
    // Whether the link could be opened is not looked at, as with the shell call it stands for.
    QDesktopServices::openUrl(QUrl::fromUserInput(file));
}

void DesktopLinkOpener::navigateTo(const QString& target, const QString&, const QString&)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

} // namespace Orvane
