#include "CommandDriver.h"
#include "MainWindowFixture.h"
#include "Vantric.h"
#include "models/EventListModel.h"
#include "ui/common/Program.h"
#include "ui/main/MainCommands.h"
#include "ui/main/frmPubMain.h"
#include "ui/main/mdlPubTrayIcon.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

// The Tools and Help entries open the other windows, and the tray menu reaches the main window.
class TestMainWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toolsKeysOpenTheirWindows_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("window");
        QTest::newRow("F4 work time") << int(Qt::Key_F4) << u"frmPubWorkTime"_s;
        QTest::newRow("F6 calculator") << int(Qt::Key_F6) << u"frmPubCalc"_s;
        QTest::newRow("F7 options") << int(Qt::Key_F7) << u"frmPubOptions"_s;
    }
    void toolsKeysOpenTheirWindows()
    {
        QFETCH(int, key);
        QFETCH(QString, window);
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& main = kronvel.window();
        QVERIFY(CommandDriver::activate(main));
        QString shown;
        CommandDriver::whenModalShows([&shown](QWidget* modal) {
            shown = modal->objectName();
            modal->close();
        });
        CommandDriver::press(main, key);
        QCOMPARE(shown, window);
        // The same window serves the next opening.
        QCOMPARE(main.findChildren<QWidget*>(window).size(), 1);
    }

    void savedOptionsReachTheListAtOnce()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& main = kronvel.window();
        QVERIFY(CommandDriver::activate(main));
        const int row = main.events().findName(u"Birth (for test)");
        QVERIFY(row >= 0);
        QCOMPARE(main.events().cellText(row, EventListModel::Years), u"34.282"_s);
        CommandDriver::whenModalShows([](QWidget* options) {
            auto* years = options->findChild<QLineEdit*>(u"txt(0)"_s);
            QVERIFY(years);
            years->selectAll();
            QTest::keyClicks(years, u"0"_s);
            auto* save = options->findChild<Vantric*>(u"sbt(0)"_s);
            QVERIFY(save);
            QTest::mouseClick(save, Qt::LeftButton, {}, save->rect().center());
        });
        CommandDriver::press(main, Qt::Key_F7);
        QCOMPARE(kronvel.program().settings().decimals(TimeUnit::Years), u"0"_s);
        // 1975/09/21 to 2010/01/01 12:00:00 is 34.28 years: shown now without decimals.
        QCOMPARE(main.events().cellText(main.events().findName(u"Birth (for test)"), EventListModel::Years),
            u"34."_s);
    }

    void aboutOpensModelessOnce()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& main = kronvel.window();
        QVERIFY(main.commands().run(u"menha"_s));
        QWidget* about = main.findChild<QWidget*>(u"frmPubAbout"_s);
        QVERIFY(about);
        QTRY_VERIFY(about->isVisible());
        QVERIFY(!about->isModal());
        QVERIFY(main.commands().run(u"menha"_s));
        QCOMPARE(main.findChildren<QWidget*>(u"frmPubAbout"_s).size(), 1);
    }

    void trayMenuRestoresAndExits()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& main = kronvel.window();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.showMinimized();
        QTRY_VERIFY(!main.isVisible());
        kronvel.tray.clickRight();
        // The tray menu is the work-time window's "ment", not the main window's Tools menu.
        QWidget* workTime = main.findChild<QWidget*>(u"frmPubWorkTime"_s);
        QVERIFY(workTime);
        auto* tray = workTime->findChild<QMenu*>(u"ment"_s);
        QVERIFY(tray);
        QTRY_VERIFY(tray->isVisible());
        QAction* restore = workTime->findChild<QAction*>(u"ments"_s);
        QVERIFY(restore);
        restore->trigger();
        tray->close();
        QVERIFY(main.isVisible());
        QVERIFY(!kronvel.tray.isShown());

        main.showMinimized();
        QTRY_VERIFY(!main.isVisible());
        QAction* exit = workTime->findChild<QAction*>(u"mentx"_s);
        QVERIFY(exit);
        exit->trigger();
        // The program ended from the tray: the window unloaded, the icon was not removed.
        QTRY_VERIFY(!main.isVisible());
        QCOMPARE(kronvel.tray.removes(), 1);
        QVERIFY(QFile::exists(kronvel.path(u"works.dll"_s)));
    }
};

QTEST_MAIN(TestMainWindows)
#include "test_main_windows.moc"
