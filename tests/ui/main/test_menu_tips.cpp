#include "MainWindowFixture.h"
#include "ui/main/MenuTips.h"
#include "ui/main/frmPubMain.h"

#include <QLabel>
#include <QMenu>
#include <QTest>

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

    void aMissingTipEmptiesThePanel()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"menutips.dll"_s, "[frmPubMain]\r\n&Find Events...=Find by name.\r\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QMenu* edit = menuNamed(window, "mend");
        highlightWithKeys(*edit, actionNamed(window, "mendf"));
        QCOMPARE(window.panel(1).text(), u"Find by name."_s);
        highlightWithKeys(*edit, actionNamed(window, "mends"));
        QCOMPARE(window.panel(1).text(), QString());
        edit->close();
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
