#include "HelpNavigation.h"

#include <QFileInfo>

namespace {

const QString embeddedFolder = QStringLiteral(":/shipped/help/");

QUrl embeddedPage(const QString& fileName)
{
    if (fileName.isEmpty() || !QFileInfo::exists(embeddedFolder + fileName))
        return {};
    return QUrl(QStringLiteral("qrc") + embeddedFolder + fileName);
}

} // namespace

QUrl embeddedHelpIndex()
{
    return embeddedPage(QStringLiteral("index.html"));
}

QUrl resolveHelpStart(const QString& startPage)
{
    const QFileInfo file(startPage);
    if (!startPage.isEmpty() && file.isFile())
        return QUrl::fromLocalFile(file.absoluteFilePath());
    const QUrl samePage = embeddedPage(file.fileName());
    return samePage.isEmpty() ? embeddedHelpIndex() : samePage;
}

bool helpPageExists(const QUrl& url)
{
    if (url.isLocalFile())
        return QFileInfo(url.toLocalFile()).isFile();
    if (url.scheme().compare(u"qrc", Qt::CaseInsensitive) == 0)
        return QFileInfo(u':' + url.path()).isFile();
    return false;
}

bool isExternalLink(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return !scheme.isEmpty() && scheme != u"file" && scheme != u"qrc";
}

QString missingHelpHtml(const QString& startPage)
{
    return QStringLiteral("<h2>The help pages are missing</h2>"
                          "<p>Kronvel looked for its help in <code>")
        + startPage.toHtmlEscaped()
        + QStringLiteral("</code> and found nothing there. Installing Kronvel again puts the pages "
                         "back; your events, works and settings are not affected.</p>");
}
