// The help window and its launcher, driven like a user: open, open again, close, follow links,
// keys, find, and the fall-backs when pages are missing.
#include "HelpLauncher.h"
#include "HelpNavigation.h"
#include "HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

QList<QWidget*> helpWindows()
{
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == u"KRN Help")
            found << widget;
    }
    return found;
}

bool writeFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

// Copies the built-in pages where the program would install them.
QString installPages(const QTemporaryDir& dir)
{
    const QString folder = dir.filePath(QStringLiteral("help"));
    QDir().mkpath(folder);
    const QDir builtIn(QStringLiteral(":/shipped/help"));
    for (const QString& name : builtIn.entryList(QDir::Files))
        QFile::copy(builtIn.filePath(name), folder + u'/' + name);
    return folder + QStringLiteral("/index.html");
}

// The middle of the link whose target is href, scrolled into view, in viewport coordinates.
QPoint linkPoint(QTextBrowser* browser, const QString& href)
{
    const QTextDocument* document = browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            return browser->cursorRect(cursor).center();
        }
    }
    return { -1, -1 };
}

void clickLink(HelpWindow* window, const QString& href)
{
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("browser"));
    const QPoint point = linkPoint(browser, href);
    QVERIFY2(point.x() >= 0, qPrintable(u"no link to " + href));
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void openShowsOneMaximizedWindow()
    {
        QTemporaryDir dir;
        const QString start = installPages(dir);
        HelpLauncher launcher({});
        QVERIFY(launcher.open(start));
        QVERIFY(launcher.isOpen());
        QCOMPARE(helpWindows().size(), 1);
        HelpWindow* window = launcher.window();
        QCOMPARE(window->objectName(), QStringLiteral("HelpWindow"));
        QVERIFY(window->windowState().testFlag(Qt::WindowMaximized));
        QCOMPARE(window->currentPage(), QUrl::fromLocalFile(start));
    }

    void secondOpenDoesNothing()
    {
        QTemporaryDir dir;
        const QString start = installPages(dir);
        HelpLauncher launcher({});
        QVERIFY(launcher.open(start));
        HelpWindow* first = launcher.window();
        QVERIFY(!launcher.open(start));
        QCOMPARE(launcher.window(), first);
        QCOMPARE(helpWindows().size(), 1);
    }

    void closeClosesAndAllowsAFreshOpen()
    {
        QTemporaryDir dir;
        const QString start = installPages(dir);
        HelpLauncher launcher({});
        QVERIFY(launcher.open(start));
        launcher.close();
        QVERIFY(!launcher.isOpen());
        QCOMPARE(helpWindows().size(), 0);
        QTRY_VERIFY(launcher.window() == nullptr); // the closed window is freed
        QVERIFY(launcher.open(start));
        QCOMPARE(helpWindows().size(), 1);
    }

    void escapeClosesTheWindow()
    {
        QTemporaryDir dir;
        HelpLauncher launcher({});
        QVERIFY(launcher.open(installPages(dir)));
        QVERIFY(QTest::qWaitForWindowActive(launcher.window()));
        QTest::keyClick(
            launcher.window()->findChild<QTextBrowser*>(QStringLiteral("browser")), Qt::Key_Escape);
        QTRY_VERIFY(!launcher.isOpen());
    }

    void missingStartPageFallsBackToBuiltIn_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("expected");
        QTest::newRow("contents") << QStringLiteral("index.html")
                                  << QStringLiteral("qrc:/shipped/help/index.html");
        QTest::newRow("same page") << QStringLiteral("files.html")
                                   << QStringLiteral("qrc:/shipped/help/files.html");
        QTest::newRow("unknown page")
            << QStringLiteral("nothing.html") << QStringLiteral("qrc:/shipped/help/index.html");
    }

    void missingStartPageFallsBackToBuiltIn()
    {
        QFETCH(QString, page);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        HelpWindow window(dir.filePath(QStringLiteral("help/") + page), {});
        QCOMPARE(window.currentPage(), QUrl(expected));
        QVERIFY(
            window.findChild<QTextBrowser*>(QStringLiteral("browser"))->toPlainText().contains(u"Kronvel"));
    }

    void noPagesAnywhereSaysSo()
    {
        Q_CLEANUP_RESOURCE(help); // as if the program had been built without its pages
        {
            HelpWindow window(QStringLiteral("/nonexistent/help/index.html"), {});
            QVERIFY(window.currentPage().isEmpty());
            const QString text = window.findChild<QTextBrowser*>(QStringLiteral("browser"))->toPlainText();
            QVERIFY2(text.contains(u"help pages are missing"), qPrintable(text));
            QVERIFY(!window.findChild<QListWidget*>(QStringLiteral("contents"))->isEnabled());
        }
        Q_INIT_RESOURCE(help);
        QVERIFY(embeddedHelpIndex().isValid());
    }

    void externalLinksGoToTheCallback()
    {
        QTemporaryDir dir;
        const QString start = dir.filePath(QStringLiteral("index.html"));
        QVERIFY(writeFile(start,
            QStringLiteral("<html><body><h1>Links</h1>"
                           "<p><a href=\"https://example.org/kronvel?a=1\">web</a></p>"
                           "<p><a href=\"mailto:support@example.org\">mail</a></p>"
                           "<p><a href=\"second.html\">second</a></p></body></html>")));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("second.html")),
            QStringLiteral("<html><body><h1>Second</h1></body></html>")));
        QStringList opened;
        HelpLauncher launcher([&opened](const QString& link) { opened << link; });
        QVERIFY(launcher.open(start));
        HelpWindow* window = launcher.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        clickLink(window, QStringLiteral("https://example.org/kronvel?a=1"));
        QTRY_COMPARE(opened, QStringList { QStringLiteral("https://example.org/kronvel?a=1") });
        QCOMPARE(window->currentPage(), QUrl::fromLocalFile(start));

        clickLink(window, QStringLiteral("mailto:support@example.org"));
        QTRY_COMPARE(opened.size(), 2);
        QCOMPARE(opened.last(), QStringLiteral("mailto:support@example.org"));
        QCOMPARE(window->currentPage(), QUrl::fromLocalFile(start));

        clickLink(window, QStringLiteral("second.html"));
        QTRY_COMPARE(window->currentPage(), QUrl::fromLocalFile(dir.filePath(QStringLiteral("second.html"))));
        QCOMPARE(opened.size(), 2); // a page link stays inside the window
    }

    void historyKeysAndButtons()
    {
        QTemporaryDir dir;
        const QString start = installPages(dir);
        HelpLauncher launcher({});
        QVERIFY(launcher.open(start));
        HelpWindow* window = launcher.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QUrl index = QUrl::fromLocalFile(start);
        const QUrl events = index.resolved(QUrl(QStringLiteral("events.html")));

        clickLink(window, QStringLiteral("events.html"));
        QTRY_COMPARE(window->currentPage(), events);
        QTest::keyClick(window, Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE(window->currentPage(), index);
        QTest::keyClick(window, Qt::Key_Right, Qt::AltModifier);
        QTRY_COMPARE(window->currentPage(), events);

        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("back")), Qt::LeftButton);
        QTRY_COMPARE(window->currentPage(), index);
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("forward")), Qt::LeftButton);
        QTRY_COMPARE(window->currentPage(), events);
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("home")), Qt::LeftButton);
        QTRY_COMPARE(window->currentPage(), index);
    }

    void contentsListFollowsAndLeads()
    {
        QTemporaryDir dir;
        const QString start = installPages(dir);
        HelpLauncher launcher({});
        QVERIFY(launcher.open(start));
        HelpWindow* window = launcher.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* contents = window->findChild<QListWidget*>(QStringLiteral("contents"));
        QCOMPARE(contents->currentRow(), 0);

        const QList<QListWidgetItem*> options
            = contents->findItems(QStringLiteral("Options"), Qt::MatchExactly);
        QCOMPARE(options.size(), 1);
        QTest::mouseClick(
            contents->viewport(), Qt::LeftButton, {}, contents->visualItemRect(options.first()).center());
        QTRY_COMPARE(window->currentPage().fileName(), QStringLiteral("options.html"));

        clickLink(window, QStringLiteral("calculator.html"));
        QTRY_COMPARE(window->currentPage().fileName(), QStringLiteral("calculator.html"));
        QCOMPARE(contents->currentItem()->text(), QStringLiteral("Calculator"));
    }

    void findInPage()
    {
        QTemporaryDir dir;
        HelpLauncher launcher({});
        QVERIFY(launcher.open(installPages(dir)));
        HelpWindow* window = launcher.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* find = window->findChild<QLineEdit*>(QStringLiteral("find"));
        auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("browser"));

        QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(find->hasFocus());
        QTest::keyClicks(find, QStringLiteral("workdays"));
        QCOMPARE(browser->textCursor().selectedText().toLower(), QStringLiteral("workdays"));

        find->clear();
        QTest::keyClicks(find, QStringLiteral("zzqx"));
        QVERIFY(!browser->textCursor().hasSelection());
        QCOMPARE(
            window->findChild<QLabel*>(QStringLiteral("findStatus"))->text(), QStringLiteral("Not found"));
    }

    // Not a check: with KRN_SCREENSHOT_DIR set, saves pictures of the window for people to look at.
    void screenshot_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("contents") << QStringLiteral("index.html");
        QTest::newRow("events") << QStringLiteral("events.html");
        QTest::newRow("commands") << QStringLiteral("commands.html");
    }

    void screenshot()
    {
        const QString folder = qEnvironmentVariable("KRN_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("KRN_SCREENSHOT_DIR is not set");
        QFETCH(QString, page);
        QTemporaryDir dir;
        installPages(dir);
        HelpWindow window(dir.filePath(QStringLiteral("help/") + page), {});
        window.resize(1100, 720);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString name = QStringLiteral("help-") + QFileInfo(page).baseName() + QStringLiteral(".png");
        QVERIFY(window.grab().save(QDir(folder).filePath(name)));
    }
};

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"
