// The shipped help pages: every page is built in, reachable from the contents, and every link
// between pages (including its #anchor) lands on something that exists.
#include "HelpTopics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QUrl>

namespace {

const QString builtIn = QStringLiteral(":/shipped/help/");

QString readPage(const QString& fileName)
{
    QFile file(builtIn + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList builtInPages()
{
    return QDir(builtIn).entryList({ QStringLiteral("*.html") }, QDir::Files, QDir::Name);
}

QStringList hrefs(const QString& html)
{
    QStringList found;
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*\"([^\"]*)\""));
    for (const QRegularExpressionMatch& match : href.globalMatch(html))
        found << match.captured(1);
    return found;
}

QSet<QString> anchorsOf(const QString& html)
{
    QSet<QString> found;
    static const QRegularExpression anchor(QStringLiteral("(?:id|name)\\s*=\\s*\"([^\"]+)\""));
    for (const QRegularExpressionMatch& match : anchor.globalMatch(html))
        found.insert(match.captured(1));
    return found;
}

} // namespace

class TestHelpPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyShippedPageIsBuiltIn()
    {
        const QStringList shipped = QDir(QStringLiteral(KRN_HELP_SOURCE_DIR))
                                        .entryList({ QStringLiteral("*.html") }, QDir::Files, QDir::Name);
        QVERIFY(!shipped.isEmpty());
        QCOMPARE(builtInPages(), shipped);
    }

    // The German pages say the same: each English page has one, built in, with the same sections
    // and the same links.
    void germanPagesMatchTheEnglish()
    {
        const QString german = QStringLiteral(":/shipped-de/help/");
        QCOMPARE(
            QDir(german).entryList({ QStringLiteral("*.html") }, QDir::Files, QDir::Name), builtInPages());
        static const QRegularExpression marks(QStringLiteral("(?:id|href)=\"[^\"]*\""));
        for (const QString& page : builtInPages()) {
            QFile file(german + page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QStringList english, translated;
            for (const QRegularExpressionMatch& match : marks.globalMatch(readPage(page)))
                english << match.captured();
            for (const QRegularExpressionMatch& match : marks.globalMatch(QString::fromUtf8(file.readAll())))
                translated << match.captured();
            QVERIFY2(translated == english, qPrintable(page));
        }
    }

    void contentsListNamesExistingPages()
    {
        const QStringList pages = builtInPages();
        QStringList listed;
        for (const HelpTopic& topic : helpTopics()) {
            QVERIFY2(pages.contains(topic.page), qPrintable(topic.page));
            listed << topic.page;
        }
        listed.sort();
        QCOMPARE(listed, pages); // no page is left out of the contents list either
    }

    void indexLinksEveryPage()
    {
        QSet<QString> linked;
        for (const QString& link : hrefs(readPage(QStringLiteral("index.html"))))
            linked.insert(QUrl(link).path());
        for (const QString& page : builtInPages()) {
            if (page != u"index.html")
                QVERIFY2(linked.contains(page), qPrintable(page));
        }
    }

    void internalLinksResolve_data()
    {
        QTest::addColumn<QString>("page");
        for (const QString& page : builtInPages())
            QTest::newRow(qPrintable(page)) << page;
    }

    void internalLinksResolve()
    {
        QFETCH(QString, page);
        const QString html = readPage(page);
        QVERIFY(!html.isEmpty());
        const QUrl base(QStringLiteral("qrc") + builtIn + page);
        int internal = 0;
        for (const QString& link : hrefs(html)) {
            const QUrl url(link);
            QVERIFY2(url.isValid(), qPrintable(link));
            const QString scheme = url.scheme();
            if (scheme == u"http" || scheme == u"https" || scheme == u"mailto")
                continue;
            QVERIFY2(scheme.isEmpty(), qPrintable(page + u": unexpected link " + link));
            ++internal;
            const QUrl target = base.resolved(url);
            const QString targetFile = u':' + target.path();
            QVERIFY2(QFile::exists(targetFile), qPrintable(page + u": broken link " + link));
            if (url.hasFragment()) {
                QFile file(targetFile);
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QSet<QString> anchors = anchorsOf(QString::fromUtf8(file.readAll()));
                QVERIFY2(anchors.contains(url.fragment()), qPrintable(page + u": missing anchor " + link));
            }
        }
        QVERIFY2(internal > 0, "every page links back to the contents");
    }

    void pagesAreCompleteDocuments_data() { internalLinksResolve_data(); }

    void pagesAreCompleteDocuments()
    {
        QFETCH(QString, page);
        const QString html = readPage(page);
        QVERIFY(html.contains(u"<title>"));
        QVERIFY(html.contains(u"<h1>"));
        QVERIFY(html.contains(u"<style"));
        QVERIFY(html.trimmed().endsWith(u"</html>"));
    }
};

QTEST_GUILESS_MAIN(TestHelpPages)
#include "test_help_pages.moc"
