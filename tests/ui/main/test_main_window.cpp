#include "models/EventListModel.h"
#include "platform/FileAttributes.h"
#include "stores/SettingsFile.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "ui/common/Program.h"
#include "ui/common/ReadableTextDelegate.h"
#include "ui/common/ReportList.h"
#include "ui/main/frmPubMain.h"
#include "ui/main/mdlPubSelf.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <sys/xattr.h>

using namespace Qt::StringLiterals;

namespace {

bool folderKeepsExtendedAttributes(const QString& folder)
{
    const QByteArray probe = QFile::encodeName(QDir(folder).filePath(u"probe"_s));
    QFile(QString::fromLocal8Bit(probe)).open(QIODevice::WriteOnly);
    const bool kept = ::setxattr(probe.constData(), "user.test", "1", 1, 0) == 0;
    QFile::remove(QString::fromLocal8Bit(probe));
    return kept;
}

QString cell(const frmPubMain& window, const QString& name, int column)
{
    const EventListModel& events = window.events();
    return events.cellText(events.findName(name), column);
}

void clickToolbarButton(frmPubMain& window, const QString& name)
{
    auto* toolbar = window.findChild<QToolBar*>(u"tlb"_s);
    QAction* action = window.findChild<QAction*>(name);
    QVERIFY(toolbar && action);
    QTest::mouseClick(toolbar->widgetForAction(action), Qt::LeftButton);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Counters are written in the user's locale; these tests expect "3,615." and "1.00".
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void firstStartInAnEmptyFolder()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        for (const QString& name : { u"krn.dll"_s, u"works.dll"_s, u"events.dll"_s })
            QVERIFY2(QFileInfo::exists(kronvel.path(name)), qPrintable(name));

        // The 22 defaults are written; the position is not.
        const Settings written = SettingsFile(kronvel.path(u"krn.dll"_s)).read();
        for (int i = 0; i < settingCount; ++i) {
            const SettingDefinition& definition = settingDefinition(SettingKey(i));
            const QString expected
                = definition.defaultValue ? QString::fromLatin1(definition.defaultValue) : QString();
            QCOMPARE(written.value(SettingKey(i)), expected);
        }

        frmPubMain& window = kronvel.window();
        QCOMPARE(window.events().rowCount(), 2);
        QCOMPARE(window.events().cellText(0, EventListModel::Name), u"Birth (for test)"_s);
        QCOMPARE(window.events().cellText(1, EventListModel::DateTime), u"2010/01/01 12:00:00"_s);
        QCOMPARE(kronvel.readFile(u"events.dll"_s),
            "Birth (for test)\t1975/09/21 00:00:00\nMarrying (for test)\t2010/01/01 12:00:00\n");
        QCOMPARE(window.panel(2).text(), u"Events: 2"_s);
        QCOMPARE(window.panel(3).text(), u"2010/01/01 12:00:00"_s);
        QVERIFY(window.isVisible());
        QVERIFY(window.isMaximized());
        QCOMPARE(window.windowTitle(), u"Kronvel"_s);
        QVERIFY(kronvel.boxes.shown().isEmpty());

        if (!folderKeepsExtendedAttributes(kronvel.folder()))
            QSKIP("This file system keeps no extended attributes, so hidden and system cannot be checked.");
        for (const QString& name : { u"krn.dll"_s, u"works.dll"_s, u"events.dll"_s })
            QCOMPARE(fileAttributes(kronvel.path(name)), FileAttribute::Hidden | FileAttribute::System);
    }

    void futureEventCountsDownAndStaysFuture()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, "Soon\t2010/01/01 12:00:10\nThen\t2010/01/01 11:00:00\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QCOMPARE(cell(window, u"Soon"_s, EventListModel::Seconds), u"10."_s);
        QCOMPARE(cell(window, u"Soon"_s, EventListModel::Type), u"Future"_s);
        QCOMPARE(cell(window, u"Then"_s, EventListModel::Type), u"Past"_s);

        kronvel.clock.advance(15);
        window.tim_Timer();
        QCOMPARE(cell(window, u"Soon"_s, EventListModel::Seconds), u"5."_s);
        QCOMPARE(cell(window, u"Soon"_s, EventListModel::Type), u"Future"_s);
        QCOMPARE(cell(window, u"Then"_s, EventListModel::Seconds), u"3,615."_s);
        const QModelIndex soon
            = window.events().index(window.events().findName(u"Soon"), EventListModel::Seconds);
        QCOMPARE(soon.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
    }

    void eventAtTheVerySecondIsFuture()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, "Now\t2010/1/1 12:00:00\nJust before\t2010/01/01 11:59:59\n");
        QVERIFY(kronvel.start());
        QCOMPARE(cell(kronvel.window(), u"Now"_s, EventListModel::Type), u"Future"_s);
        QCOMPARE(cell(kronvel.window(), u"Just before"_s, EventListModel::Type), u"Past"_s);
    }

    void timerTicksRefreshTheCounters()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, "Soon\t2010/01/01 12:00:10\n");
        QVERIFY(kronvel.start());
        QCOMPARE(kronvel.window().tim().interval(), 1000);
        kronvel.clock.advance(3);
        QTRY_COMPARE_WITH_TIMEOUT(cell(kronvel.window(), u"Soon"_s, EventListModel::Seconds), u"7."_s, 3000);
    }

    void changingGeneralRecoloursPastRowsOnly()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(
            u"events.dll"_s, "Past one\t2009/01/01 00:00:00\nFuture one\t2011/01/01 00:00:00\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        kronvel.program().settings().setValue(SettingKey::General, u"255"_s);
        window.applyListStyle();

        QCOMPARE(window.lsv().palette().color(QPalette::Text), QColor(Qt::red));
        const EventListModel& events = window.events();
        const QModelIndex past = events.index(events.findName(u"Past one"), EventListModel::Name);
        const QModelIndex future = events.index(events.findName(u"Future one"), EventListModel::Name);
        QVERIFY(!past.data(Qt::ForegroundRole).isValid()); // follows the list's text colour
        QCOMPARE(future.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
    }

    void futureColourStaysReadableOnADarkList()
    {
        // Blue on white is kept; blue on a dark background is shown lighter, still blue.
        QCOMPARE(ReadableTextDelegate::readable(Qt::blue, Qt::white), QColor(Qt::blue));
        const QColor shown = ReadableTextDelegate::readable(Qt::blue, QColor(30, 30, 32));
        QVERIFY(shown.lightness() > QColor(Qt::blue).lightness());
        QCOMPARE(shown.hslHue(), QColor(Qt::blue).hslHue());
        QCOMPARE(ReadableTextDelegate::readable(Qt::white, QColor(30, 30, 32)), QColor(Qt::white));
    }

    void unreadableMinuteDecimalsLeaveOnlyThatColumnEmpty()
    {
        MainWindowFixture kronvel;
        kronvel.writeSettings({ { u"Minute"_s, u"one"_s } });
        kronvel.writeFile(u"events.dll"_s, "Then\t2010/01/01 11:00:00\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QCOMPARE(cell(window, u"Then"_s, EventListModel::Minutes), QString());
        QCOMPARE(cell(window, u"Then"_s, EventListModel::Hours), u"1.00"_s);
        QCOMPARE(cell(window, u"Then"_s, EventListModel::Seconds), u"3,600."_s);
        kronvel.clock.advance(60);
        window.tim_Timer();
        QCOMPARE(cell(window, u"Then"_s, EventListModel::Minutes), QString());
        QCOMPARE(cell(window, u"Then"_s, EventListModel::Seconds), u"3,660."_s);
    }

    void refreshIntervalFromTheSettings_data()
    {
        QTest::addColumn<QString>("refresh");
        QTest::addColumn<int>("interval"); // -1: the timer does not run
        QTest::newRow("default") << u"1"_s << 1000;
        QTest::newRow("largest the options allow") << u"65"_s << 65000;
        QTest::newRow("zero gives no ticks") << u"0"_s << -1;
        QTest::newRow("not a number") << u"soon"_s << -1;
        QTest::newRow("empty is filled in with the default") << QString() << 1000;
        QTest::newRow("negative") << u"-1"_s << -1;
        QTest::newRow("beyond the timer's range") << u"2147484"_s << -1;
    }
    void refreshIntervalFromTheSettings()
    {
        QFETCH(QString, refresh);
        QFETCH(int, interval);
        MainWindowFixture kronvel;
        kronvel.writeSettings({ { u"Refresh"_s, refresh } });
        QVERIFY(kronvel.start());
        QTimer& tim = kronvel.window().tim();
        QCOMPARE(tim.isActive(), interval >= 0);
        if (interval >= 0)
            QCOMPARE(tim.interval(), interval);
    }

    void refreshZeroLeavesTheCountersStill()
    {
        MainWindowFixture kronvel;
        kronvel.writeSettings({ { u"Refresh"_s, u"0"_s } });
        kronvel.writeFile(u"events.dll"_s, "Soon\t2010/01/01 12:00:10\n");
        QVERIFY(kronvel.start());
        kronvel.clock.advance(3);
        QTest::qWait(1300);
        QCOMPARE(cell(kronvel.window(), u"Soon"_s, EventListModel::Seconds), u"10."_s);
    }

    void savedPositionIsRestoredAndMovesAreWritten()
    {
        MainWindowFixture kronvel;
        kronvel.writeSettings({});
        const QString settings = kronvel.path(u"krn.dll"_s);
        const SettingsFile file(settings);
        file.writeValue(SettingKey::Left, u"1500"_s);
        file.writeValue(SettingKey::Top, u"1200"_s);
        file.writeValue(SettingKey::Width, u"9000"_s);
        file.writeValue(SettingKey::Height, u"6000"_s);
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(!window.isMaximized());
        const double perPixel = 1440.0 / window.logicalDpiX();
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(qRound(1500 / perPixel), qRound(1200 / perPixel)));
        QCOMPARE(window.frameGeometry().width(), qRound(9000 / perPixel));

        window.move(window.frameGeometry().topLeft() + QPoint(40, 20));
        const QString left = QString::number(qRound((1500 / perPixel + 40) * perPixel));
        const QString top = QString::number(qRound((1200 / perPixel + 20) * perPixel));
        QTRY_COMPARE_WITH_TIMEOUT(file.read().value(SettingKey::Left), left, 300 + 200);
        QCOMPARE(file.read().value(SettingKey::Top), top);
        QCOMPARE(file.read().value(SettingKey::Width), u"9000"_s);
    }

    void resizingRecordsThePositionAndLaysOutTheColumns()
    {
        MainWindowFixture kronvel;
        kronvel.writeSettings({});
        const SettingsFile file(kronvel.path(u"krn.dll"_s));
        file.writeValue(SettingKey::Left, u"0"_s);
        file.writeValue(SettingKey::Top, u"0"_s);
        file.writeValue(SettingKey::Width, u"9000"_s);
        file.writeValue(SettingKey::Height, u"6000"_s);
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        window.resize(900, 500);
        const double perPixel = 1440.0 / window.logicalDpiX();
        QCOMPARE(file.read().value(SettingKey::Width),
            QString::number(qRound(window.frameGeometry().width() * perPixel)));
        // The list fills the area below the toolbar less its margins, and six columns share
        // what the four fixed ones leave.
        const ReportList& list = window.lsv();
        QCOMPARE(list.width(), window.centralWidget()->width() - qRound(180 / perPixel));
        QCOMPARE(list.columnWidth(1), qRound(750 / perPixel));
        QCOMPARE(list.columnWidth(2), qRound(2000 / perPixel));
        QVERIFY(list.columnWidth(0) > 0);
        QCOMPARE(list.columnWidth(0), list.columnWidth(5));
        // A share too narrow for the longest count grows to it.
        QVERIFY(list.columnWidth(9) >= list.columnWidth(0));

        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        QTRY_COMPARE(file.read().value(SettingKey::Width), QString());
        QCOMPARE(file.read().value(SettingKey::Height), QString());
    }

    void secondInstanceTouchesNothing()
    {
        MainWindowFixture first;
        QVERIFY(first.start());
        QTest::qWait(400); // the first window has shown and recorded where it is
        QDir folder(first.folder());
        const QStringList names = folder.entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QHash<QString, QByteArray> contents;
        QHash<QString, QDateTime> times;
        for (const QString& name : names) {
            contents.insert(name, first.readFile(name));
            times.insert(name, QFileInfo(first.path(name)).lastModified());
        }
        FakeClock clock;
        FakeMessageBoxes boxes;
        FakeDesktop desktop;
        const auto second = mdlPubSelf::Main(first.folder(), clock, boxes, desktop, u":/shipped"_s);
        QVERIFY(!second);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden, QDir::Name), names);
        for (const QString& name : names) {
            QCOMPARE(first.readFile(name), contents.value(name));
            QCOMPARE(QFileInfo(first.path(name)).lastModified(), times.value(name));
        }
    }

    void failedWriteAtStartIsReported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("sample events") << u"events.dll"_s;
        QTest::newRow("default settings") << u"krn.dll"_s;
    }

    void failedWriteAtStartIsReported()
    {
        QFETCH(QString, file);
        MainWindowFixture kronvel;
        // The file leads into a "folder" that is a plain file: no user, root included, can write it.
        kronvel.writeFile(u"blocker"_s, "not a folder");
        QVERIFY(QFile::link(kronvel.path(u"blocker/"_s + file), kronvel.path(file)));
        QVERIFY(kronvel.start());
        bool named = false;
        for (const FakeMessageBoxes::Shown& box : kronvel.boxes.shown()) {
            if (box.icon == MessageBoxes::Icon::Warning && box.text.contains(kronvel.path(file) + u" ("))
                named = true;
        }
        QVERIFY2(named, "no warning named the file");
        if (file != u"events.dll")
            return;
        // The list does not show sample events that the file lacks.
        QCOMPARE(kronvel.window().events().rowCount(), 0);
        QCOMPARE(kronvel.window().panel(2).text(), u"Events: 0"_s);
    }

    void statusPanelsStayApartAndReadable_data()
    {
        QTest::addColumn<int>("clientWidth"); // above 600 panels 2 to 4 show their whole texts
        QTest::newRow("design width") << 632;
        QTest::newRow("wide") << 1100;
        QTest::newRow("narrow") << 300;
    }

    void statusPanelsStayApartAndReadable()
    {
        QFETCH(int, clientWidth);
        MainWindowFixture kronvel;
        kronvel.writeFile(u"krn.dll"_s, "[System]\nYear=3\n[Position]\nWidth=9480\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        window.resize(clientWidth, 391 + window.menuBar()->height());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.width(), clientWidth);
        QTest::qWait(20);
        for (int number = 1; number <= 4; ++number) {
            const QLabel& panel = window.panel(number);
            QVERIFY(window.rect().contains(QRect(panel.mapTo(&window, QPoint(0, 0)), panel.size())));
            QVERIFY(number == 4 || panel.geometry().right() < window.panel(number + 1).geometry().left());
            QVERIFY(clientWidth < 600 || number == 1
                || panel.contentsRect().width() > panel.fontMetrics().horizontalAdvance(panel.text()));
        }
    }

    void headerClicksFlipTheOrderAndSortCountersByValue()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s,
            "Nine\t2010/01/01 12:00:09\nTen\t2010/01/01 12:00:10\n"
            "Ninety\t2010/01/01 12:01:30\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QHeaderView* header = window.lsv().header();
        const auto clickSeconds = [&] {
            const int x = header->sectionViewportPosition(EventListModel::Seconds) + 5;
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        };
        const auto names = [&] {
            QStringList result;
            for (int row = 0; row < window.events().rowCount(); ++row)
                result << window.events().cellText(row, EventListModel::Name);
            return result;
        };
        clickSeconds();
        QCOMPARE(names(), QStringList({ u"Ninety"_s, u"Ten"_s, u"Nine"_s }));
        QVERIFY(header->isSortIndicatorShown());
        QCOMPARE(header->sortIndicatorSection(), int(EventListModel::Seconds));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        clickSeconds();
        QCOMPARE(names(), QStringList({ u"Nine"_s, u"Ten"_s, u"Ninety"_s }));
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    }

    void toolbarButtonsRunTheirCommandWhateverTheCaption()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QAction* all = window.findChild<QAction*>(u"tlb(7)"_s);
        QCOMPARE(all->text(), u"All"_s);
        clickToolbarButton(window, u"tlb(7)"_s);
        QCOMPARE(window.lsv().selectedRows(), QList<int>({ 0, 1 }));

        window.lsv().selectNoRows();
        all->setText(u"Alle"_s);
        clickToolbarButton(window, u"tlb(7)"_s);
        QCOMPARE(window.lsv().selectedRows(), QList<int>({ 0, 1 }));
    }

    void toolbarHasElevenCaptionedButtons()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        const QStringList captions = { u"New"_s, u"Save"_s, u"Load"_s, u"Modify"_s, u"Delete"_s, u"Clear"_s,
            u"All"_s, u"Find"_s, u"Work"_s, u"Calc"_s, u"Options"_s };
        for (int i = 0; i < captions.size(); ++i) {
            QAction* button = kronvel.window().findChild<QAction*>(u"tlb(" % QString::number(i + 1) % u')');
            QVERIFY(button);
            QCOMPARE(button->text(), captions[i]);
            QVERIFY(!button->toolTip().isEmpty());
        }
    }

    void menuEntriesHaveCaptionsAndShortcuts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QKeySequence>("shortcut");
        const QList<std::pair<const char*, QKeySequence>> entries = {
            { "menen", QKeySequence(u"Ctrl+N"_s) },
            { "menes", QKeySequence(u"Ctrl+S"_s) },
            { "menel", QKeySequence(u"Ctrl+L"_s) },
            { "menex", QKeySequence() },
            { "mendm", QKeySequence(u"Ctrl+M"_s) },
            { "mendd", QKeySequence(u"Del"_s) },
            { "mendc", QKeySequence() },
            { "menda", QKeySequence(u"Ctrl+A"_s) },
            { "mends", QKeySequence() },
            { "mendf", QKeySequence(u"F3"_s) },
            { "mendoe", QKeySequence(u"Shift+F1"_s) },
            { "mendod", QKeySequence(u"Shift+F2"_s) },
            { "mendoy", QKeySequence(u"Shift+F3"_s) },
            { "mendom", QKeySequence(u"Shift+F4"_s) },
            { "mendow", QKeySequence(u"Shift+F5"_s) },
            { "mendoa", QKeySequence(u"Shift+F6"_s) },
            { "mendoh", QKeySequence(u"Shift+F7"_s) },
            { "mendoi", QKeySequence(u"Shift+F8"_s) },
            { "mendos", QKeySequence(u"Shift+F9"_s) },
            { "mentw", QKeySequence(u"F4"_s) },
            { "mentc", QKeySequence(u"F6"_s) },
            { "mento", QKeySequence(u"F7"_s) },
            { "menhh", QKeySequence(u"F1"_s) },
            { "menht", QKeySequence() },
            { "menhw", QKeySequence() },
            { "menhc", QKeySequence() },
            { "menhl", QKeySequence() },
            { "menha", QKeySequence() },
        };
        for (const auto& [name, shortcut] : entries)
            QTest::newRow(name) << QString::fromLatin1(name) << shortcut;
    }
    void menuEntriesHaveCaptionsAndShortcuts()
    {
        QFETCH(QString, name);
        QFETCH(QKeySequence, shortcut);
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        QAction* action = kronvel.window().findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->shortcut(), shortcut);
        // The caption comes from menus.dll, not the entry's name.
        QVERIFY(!action->text().isEmpty());
        QVERIFY(action->text() != name);
    }

    void menusAndSeparatorsAreNamed()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        for (const char* name : { "mene", "mend", "mendo", "ment", "menh" }) {
            QMenu* menu = kronvel.window().findChild<QMenu*>(QString::fromLatin1(name));
            QVERIFY2(menu, name);
            QVERIFY(menu->title() != QString::fromLatin1(name));
        }
        for (const char* name :
            { "menesa", "menesb", "mendsa", "mendsb", "mendsc", "mentsa", "menhsa", "menhsb", "menhsc" }) {
            QAction* separator = kronvel.window().findChild<QAction*>(QString::fromLatin1(name));
            QVERIFY2(separator && separator->isSeparator(), name);
        }
    }

    void panelOneFollowsTheMouse()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QTest::mouseMove(window.lsv().viewport(), QPoint(20, 20));
        QTRY_COMPARE(window.panel(1).text(), u"Events listing."_s);
        auto* toolbar = window.findChild<QToolBar*>(u"tlb"_s);
        QTest::mouseMove(toolbar, QPoint(toolbar->width() - 3, 3));
        QTRY_COMPARE(window.panel(1).text(), u"Ready."_s);
        QTest::mouseMove(window.lsv().viewport(), QPoint(30, 30));
        QTRY_COMPARE(window.panel(1).text(), u"Events listing."_s);
        QTest::mouseMove(&window.panel(4), QPoint(3, 3));
        QTRY_COMPARE(window.panel(1).text(), u"Ready."_s);
    }

    void closingRunsTheUnload()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QTRY_VERIFY(window.help().isOpen());
        QFile::remove(kronvel.path(u"works.dll"_s));

        window.close();
        // The housekeeping runs again, and the help window is found by its title and closed.
        QVERIFY(QFileInfo::exists(kronvel.path(u"works.dll"_s)));
        QVERIFY(kronvel.desktop.calls().contains(u"find"_s));
        QCOMPARE(kronvel.desktop.messages().size(), 1);
        QCOMPARE(kronvel.desktop.messages().first().message, 16);
        QTRY_VERIFY(!window.help().isOpen());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
