#include "MainWindowFixture.h"
#include "stores/Settings.h"
#include "ui/common/Program.h"
#include "ui/main/frmPubMain.h"
#include "ui/main/mdlPubSelf.h"
#include "ui/main/mdlPubTrayIcon.h"

#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTray : public QObject
{
    Q_OBJECT

private:
    // A window at a saved normal position, shown and settled.
    static bool startAtNormalPosition(MainWindowFixture& kronvel)
    {
        kronvel.writeFile(u"krn.dll"_s,
            "[System]\r\nYear=3\r\nRefresh=1\r\n[Position]\r\nLeft=1500\r\n"
            "Top=1200\r\nWidth=9000\r\nHeight=6000\r\n");
        if (!kronvel.start())
            return false;
        return QTest::qWaitForWindowExposed(&kronvel.window());
    }

private Q_SLOTS:
    void minimizingGoesToTheTrayAndALeftClickBringsItBack()
    {
        MainWindowFixture kronvel;
        QVERIFY(startAtNormalPosition(kronvel));
        frmPubMain& window = kronvel.window();
        const QSize normalSize = window.size();

        window.showMinimized();
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(kronvel.tray.isShown());
        QCOMPARE(kronvel.tray.tip(), u"Kronvel v2.21"_s);
        QVERIFY(window.trayIcon().inTray());
        // Minimizing keeps the saved normal position.
        QCOMPARE(kronvel.program().settings().value(SettingKey::Width), u"9000"_s);

        kronvel.tray.clickLeft();
        QVERIFY(window.isVisible());
        QVERIFY(!window.isMinimized());
        QCOMPARE(window.size(), normalSize);
        QVERIFY(!kronvel.tray.isShown());
        QCOMPARE(kronvel.tray.removes(), 1);
        QVERIFY(!kronvel.program().restoring);
        // A second click finds no icon and changes nothing.
        kronvel.tray.clickLeft();
        QCOMPARE(kronvel.tray.removes(), 1);
        QVERIFY(window.isVisible());
    }

    void aMaximizedWindowComesBackMaximized()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start()); // a first start: maximized
        frmPubMain& window = kronvel.window();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.isMaximized());
        window.showMinimized();
        QTRY_VERIFY(!window.isVisible());
        kronvel.tray.clickLeft();
        QVERIFY(window.isVisible());
        QTRY_VERIFY(window.isMaximized());
    }

    // A later start on the same folder asks for the window: from the tray or the task bar it
    // comes back where it was.
    void bringToFrontRestoresFromTheTrayOrTheTaskBar_data()
    {
        QTest::addColumn<bool>("trayRefuses");
        QTest::newRow("in the tray") << false;
        QTest::newRow("minimized on the task bar") << true;
    }

    void bringToFrontRestoresFromTheTrayOrTheTaskBar()
    {
        QFETCH(bool, trayRefuses);
        MainWindowFixture kronvel;
        kronvel.tray.refuses = trayRefuses;
        QVERIFY(startAtNormalPosition(kronvel));
        frmPubMain& window = kronvel.window();
        const QSize normalSize = window.size();
        window.showMinimized();
        QTRY_VERIFY(trayRefuses ? window.isMinimized() : !window.isVisible());

        mdlPubSelf::bringToFront(window);
        QVERIFY(window.isVisible());
        QTRY_VERIFY(!window.isMinimized());
        QCOMPARE(window.size(), normalSize);
        QVERIFY(!window.trayIcon().inTray());
        QVERIFY(!kronvel.tray.isShown());
        QCOMPARE(kronvel.program().settings().value(SettingKey::Width), u"9000"_s);
    }

    void withoutANotificationAreaTheWindowJustMinimizes()
    {
        MainWindowFixture kronvel;
        kronvel.tray.refuses = true;
        QVERIFY(startAtNormalPosition(kronvel));
        frmPubMain& window = kronvel.window();
        window.showMinimized();
        QTest::qWait(50);
        QVERIFY(window.isVisible());
        QVERIFY(window.isMinimized());
        QVERIFY(!window.trayIcon().inTray());
    }

    void aRightClickShowsTheTrayMenuAndLeavesTheWindowInTheTray()
    {
        MainWindowFixture kronvel;
        QVERIFY(startAtNormalPosition(kronvel));
        frmPubMain& window = kronvel.window();
        QMenu menu;
        menu.addAction(u"Restore"_s);
        window.trayIcon().setMenu([&menu] { return &menu; });
        window.showMinimized();
        QTRY_VERIFY(!window.isVisible());
        kronvel.tray.clickRight();
        QTRY_VERIFY(menu.isVisible());
        menu.close();
        QVERIFY(!window.isVisible());
        QVERIFY(kronvel.tray.isShown());
    }

    void closingFromTheTrayEndsWithoutRemovingTheIcon()
    {
        MainWindowFixture kronvel;
        QVERIFY(startAtNormalPosition(kronvel));
        frmPubMain& window = kronvel.window();
        window.showMinimized();
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(window.close());
        QCOMPARE(kronvel.tray.removes(), 0);
        // The unload ran: the housekeeping recreates a deleted works file.
        QVERIFY(QFile::exists(kronvel.path(u"works.dll"_s)));
    }
};

QTEST_MAIN(TestTray)
#include "test_tray.moc"
