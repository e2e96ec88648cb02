#include "MainWindowFixture.h"
#include "components/ProfileFile.h"
#include "ui/common/Program.h"
#include "ui/main/MenuTips.h"
#include "ui/main/frmPubMain.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QMenu* menuNamed(frmPubMain& window, const char* name)
{
    return window.findChild<QMenu*>(QString::fromLatin1(name));
}

QAction* actionNamed(frmPubMain& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

// Opens a menu and moves down it with the arrow key until the entry is highlighted.
void highlightWithKeys(QMenu& menu, QAction* entry)
{
    menu.popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    for (int step = 0; step < 20 && menu.activeAction() != entry; ++step)
        QTest::keyClick(&menu, Qt::Key_Down);
    QCOMPARE(menu.activeAction(), entry);
}

// A text of a file shipped inside the program.
QString shippedText(const QString& resource, const QString& section, const QString& key)
{
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? ProfileFile::readText(file, section, key) : QString();
}

// A shipped file as an older Kronvel left it: without the lines that start as newer ones do.
QByteArray olderFile(const QString& resource, const QByteArrayList& newer)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArrayList kept;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (std::none_of(
                newer.begin(), newer.end(), [&](const QByteArray& start) { return line.startsWith(start); }))
            kept << line;
    }
    return kept.join('\n');
}

} // namespace

class TestMenuTips : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void highlightedEntryShowsItsTip_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("tip");
        QTest::newRow("entry with a shortcut") << u"mend"_s << u"mendd"_s << u"Delete the selected events."_s;
        QTest::newRow("entry without one") << u"mend"_s << u"mendc"_s << u"Delete every event."_s;
        QTest::newRow("caption with a doubled ampersand")
            << u"mendo"_s << u"mendod"_s << u"Copy the date and time of the current event."_s;
        QTest::newRow("help menu") << u"menh"_s << u"menha"_s
                                   << u"Show the version and the links of Kronvel."_s;
    }
    void highlightedEntryShowsItsTip()
    {
        QFETCH(QString, menu);
        QFETCH(QString, entry);
        QFETCH(QString, tip);
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QMenu* shown = menuNamed(window, menu.toLatin1().constData());
        QAction* highlighted = actionNamed(window, entry.toLatin1().constData());
        QVERIFY(shown && highlighted);
        highlightWithKeys(*shown, highlighted);
        QCOMPARE(window.panel(1).text(), tip);
        shown->close();
    }

    void submenuEntriesAndSeparatorsLeaveThePanel()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QMenu* edit = menuNamed(window, "mend");
        QVERIFY(edit);
        // Find is the entry above the copy submenu, past a separator.
        highlightWithKeys(*edit, actionNamed(window, "mendf"));
        window.panel(1).setText(u"before"_s);
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(edit->activeAction(), menuNamed(window, "mendo")->menuAction());
        QCOMPARE(window.panel(1).text(), u"before"_s);
        // The separators are stepped over by the keys; asked directly they show nothing either.
        QVERIFY(!MenuTips::tipFor(*actionNamed(window, "mendsa"), kronvel.path(u"menutips.dll"_s)));
        edit->close();
    }

    // A tip the file gives empty empties the panel; one it lacks comes from the shipped file.
    void anEmptyTipEmptiesThePanel()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(
            u"menutips.dll"_s, "[frmPubMain]\r\n&Find Events...=Find by name.\r\nSelect &None=\r\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QMenu* edit = menuNamed(window, "mend");
        highlightWithKeys(*edit, actionNamed(window, "mendf"));
        QCOMPARE(window.panel(1).text(), u"Find by name."_s);
        highlightWithKeys(*edit, actionNamed(window, "mends"));
        QCOMPARE(window.panel(1).text(), QString());
        highlightWithKeys(*edit, actionNamed(window, "menda"));
        QCOMPARE(window.panel(1).text(),
            shippedText(u":/shipped/menutips.dll"_s, u"frmPubMain"_s, u"Select &All"_s));
        edit->close();
    }

    // A folder set up by an older Kronvel keeps its text files, which lack the Event menu's
    // Import and Export entries and newer messages; those come from the shipped set of the
    // files' own language, and the files stay as they are.
    void olderTextFilesAreCompletedInTheirLanguage_data()
    {
        QTest::addColumn<QByteArray>("menus");
        QTest::addColumn<QByteArray>("tips");
        QTest::addColumn<QString>("set"); // the shipped set expected to fill the gaps
        const QByteArrayList newerMenus { "menei=", "menee=" };
        const QByteArrayList newerTips { "IMPORT DONE=", "ImportTitle=" };
        for (const QString& set : { u":/shipped"_s, u":/shipped-de"_s })
            QTest::addRow("%s", qPrintable(set)) << olderFile(set + u"/menus.dll"_s, newerMenus)
                                                 << olderFile(set + u"/tips.dll"_s, newerTips) << set;
        QTest::newRow("German, a caption edited")
            << olderFile(u":/shipped-de/menus.dll"_s, newerMenus)
                   .replace("&Neues Ereignis", "Ereignis &anlegen")
            << olderFile(u":/shipped-de/tips.dll"_s, newerTips) << u":/shipped-de"_s;
        QTest::newRow("translated by hand")
            << QByteArray("[frmPubMain]\r\nmene=É&vénement\r\nmenen=&Nouvel événement...\r\n")
            << QByteArray("[Message & Text]\r\nNEED EVENT=Donnez-lui un nom.\r\n") << u":/shipped"_s;
    }
    void olderTextFilesAreCompletedInTheirLanguage()
    {
        QFETCH(QByteArray, menus);
        QFETCH(QByteArray, tips);
        QFETCH(QString, set);
        MainWindowFixture kronvel;
        kronvel.writeFile(u"menus.dll"_s, menus);
        kronvel.writeFile(u"tips.dll"_s, tips);
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        const QString caption = shippedText(set + u"/menus.dll"_s, u"frmPubMain"_s, u"menei"_s);
        QVERIFY(!caption.isEmpty());
        QCOMPARE(actionNamed(window, "menei")->text(), caption);
        highlightWithKeys(*menuNamed(window, "mene"), actionNamed(window, "menei"));
        QCOMPARE(window.panel(1).text(), shippedText(set + u"/menutips.dll"_s, u"frmPubMain"_s, caption));
        QVERIFY(!window.panel(1).text().isEmpty());
        menuNamed(window, "mene")->close();
        QCOMPARE(kronvel.program().message(u"IMPORT DONE"_s),
            shippedText(set + u"/tips.dll"_s, u"Message & Text"_s, u"IMPORT DONE"_s));
        QCOMPARE(kronvel.program().text(u"frmPubMain"_s, u"ImportTitle"_s),
            shippedText(set + u"/tips.dll"_s, u"frmPubMain"_s, u"ImportTitle"_s));
        QCOMPARE(kronvel.readFile(u"menus.dll"_s), menus);
        QCOMPARE(kronvel.readFile(u"tips.dll"_s), tips);
    }

    void tipsAreReadAnewEachTime()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        kronvel.writeFile(u"menutips.dll"_s, "[frmPubMain]\r\n&Clear All Events=Careful!\r\n");
        QMenu* edit = menuNamed(window, "mend");
        highlightWithKeys(*edit, actionNamed(window, "mendc"));
        QCOMPARE(window.panel(1).text(), u"Careful!"_s);
        edit->close();
    }
};

QTEST_MAIN(TestMenuTips)
#include "test_menu_tips.moc"
