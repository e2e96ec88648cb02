// The work-time window driven like a user: keys, clicks on its buttons, header and list, with
// a fake clock and scripted boxes, over a temporary data folder holding a works file.
#include "tests/ui/worktime/WorkTimeFixture.h"

#include "Vantric.h"
#include "models/WorkListModel.h"
#include "platform/Twips.h"
#include "ui/common/ReportList.h"
#include "ui/worktime/frmPubWorkTime.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using Answer = MessageBoxes::Answer;

namespace {

const QString running = u"Write report\tStarted\t2024/05/01 09:58:20\t-\t30\t-\t0"_s;
const QString paused = u"Coffee\tPaused\t2024/05/01 08:00:00\t-\t0\t2024/05/01 09:00:00\t3600"_s;
const QString finished = u"Old task\tFinished\t2024/04/30 08:00:00\t2024/04/30 09:00:00\t0\t-\t3600"_s;
const QStringList threeWorks = { running, paused, finished };

void press(WorkTimeFixture& f, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    f.list().setFocus();
    QTest::keyClick(&f.list(), Qt::Key(key), modifiers);
}

void click(Vantric* button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QColor colourOf(WorkTimeFixture& f, const QString& name)
{
    return f.model().index(f.rowOf(name), 0).data(Qt::ForegroundRole).value<QColor>();
}

void clickHeader(WorkTimeFixture& f, int column)
{
    QHeaderView* header = f.list().header();
    const QPoint at(
        header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

class TestWorkTimeWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void loadShowsTextsCountersAndColours()
    {
        WorkTimeFixture f({ running, paused, finished, u"WRITE REPORT\tPaused\t-\t-\t0\t-\t1"_s });
        f.open();
        QCOMPARE(f.window->windowTitle(), u"Work Time"_s);
        QCOMPARE(f.list().toolTip(), u"Works listing."_s);
        QCOMPARE(f.model().headerData(0, Qt::Horizontal).toString(), u"Work"_s);
        QCOMPARE(f.model().headerData(10, Qt::Horizontal).toString(), u"Seconds"_s);
        QCOMPARE(f.button(5)->Caption(), u"Restart"_s);
        QCOMPARE(f.button(0)->toolTip(), u"Starts a new work from now on <F5>."_s);
        QCOMPARE(f.window->findChild<QMenu*>(u"menw"_s)->title(), u"&Work"_s);
        QCOMPARE(
            f.window->findChild<QAction*>(u"menwos"_s)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F11));
        // The repeated name is not listed; counters and colours follow each status.
        QCOMPARE(f.model().rowCount(), 3);
        QCOMPARE(f.cell(u"Write report"_s, WorkListModel::Seconds), u"70."_s);
        QCOMPARE(f.cell(u"Coffee"_s, WorkListModel::Hours), u"1.00"_s);
        QCOMPARE(f.cell(u"Old task"_s, WorkListModel::Finished), u"2024/04/30 09:00:00"_s);
        QCOMPARE(colourOf(f, u"Coffee"_s), QColor(0, 0, 255));
        QCOMPARE(colourOf(f, u"Old task"_s), QColor(255, 0, 0));
        QCOMPARE(f.window->tim().interval(), 1000);
        QVERIFY(f.window->tim().isActive());
        // The timer counts started works only.
        f.clock.advance(30);
        f.window->tim_Timer();
        QCOMPARE(f.cell(u"Write report"_s, WorkListModel::Seconds), u"100."_s);
        QCOMPARE(f.cell(u"Coffee"_s, WorkListModel::Hours), u"1.00"_s);
        QCOMPARE(f.fileLines().size(), 4);
    }

    void worksChangedOutsideShowInTheOpenWindow()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        f.select({ u"Coffee"_s });
        f.list().setCurrentRow(f.rowOf(u"Old task"_s));
        // Another machine pauses the running work and adds one; this window follows the file.
        QFile file(f.worksPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write((paused + u'\n' + finished
            + u"\nWrite report\tPaused\t2024/05/01 09:58:20\t-\t30\t"
              u"2024/05/01 10:00:00\t90\nNew one\tStarted\t2024/05/01 10:00:00\t-\t0\t-\t0\n"_s)
                       .toUtf8());
        file.close();
        f.window->followOutsideChange(u"works.dll"_s);
        QCOMPARE(f.model().rowCount(), 4);
        QCOMPARE(f.cell(u"Write report"_s, WorkListModel::Status), u"Paused"_s);
        QCOMPARE(f.list().selectedRows(), QList<int>({ f.rowOf(u"Coffee"_s) }));
        QCOMPARE(f.list().currentRow(), f.rowOf(u"Old task"_s));
        // Closing rewrites only the works started now, on top of the file as it is.
        f.close();
        QCOMPARE(f.fileLines().size(), 4);
        QVERIFY(f.fileLines().contains(
            u"Write report\tPaused\t2024/05/01 09:58:20\t-\t30\t2024/05/01 10:00:00\t90"_s));
    }

    void emptyFileStartsTheTestWork()
    {
        WorkTimeFixture f({});
        f.open();
        QCOMPARE(f.model().rowCount(), 1);
        QCOMPARE(f.model().work(0).line(), u"Test work\tStarted\t2024/05/01 10:00:00\t-\t0\t-\t0"_s);
        QCOMPARE(f.fileLines(), QStringList { f.model().work(0).line() });
        QCOMPARE(f.cell(u"Test work"_s, WorkListModel::Seconds), u"0."_s);
    }

    void emptyListRefusesAllButNewAndClose()
    {
        WorkTimeFixture f({ running });
        f.open();
        f.boxes.queueAnswer(Answer::Yes);
        press(f, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(f.model().rowCount(), 0);
        const QStringList words
            = { u"rename"_s, u"delete"_s, u"clear"_s, u"find"_s, u"restart"_s, u"pause"_s, u"stop"_s };
        for (int index = 1; index <= 7; ++index) {
            click(f.button(index));
            QCOMPARE(f.lastBox(), u"There is no work to "_s + words[index - 1] + u'.');
            QCOMPARE(f.boxes.shown().constLast().icon, MessageBoxes::Icon::Information);
        }
        // Which button it is counts, not its caption: a translated New still needs no work.
        f.button(0)->SetCaption(u"&Neu"_s);
        f.boxes.queueInput(u"Fresh"_s);
        click(f.button(0));
        QCOMPARE(f.model().rowCount(), 1);
        click(f.button(8));
        QVERIFY(!f.window->isVisible());
    }

    void newRefusesATakenNameAndAsksAgain()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        f.select({ u"Coffee"_s });
        f.boxes.queueInput(u"  COFFEE "_s);
        f.boxes.queueInput(u" Lunch  "_s);
        f.clock.advance(5);
        press(f, Qt::Key_F5);
        QCOMPARE(f.boxes.shown().size(), 3);
        QCOMPARE(f.boxes.shown()[0].text, u"Name of the new work:"_s);
        QCOMPARE(f.boxes.shown()[1].text, u"'COFFEE' already exists. Please choose another name."_s);
        QCOMPARE(f.fileLines().constLast(), u"Lunch\tStarted\t2024/05/01 10:00:05\t-\t0\t-\t0"_s);
        QCOMPARE(f.list().selectedRows(), QList<int> { f.rowOf(u"Lunch"_s) });
        QVERIFY(f.list().hasFocus());
        // Its counters fill at the next tick.
        QCOMPARE(f.cell(u"Lunch"_s, WorkListModel::Seconds), QString());
        f.clock.advance(4);
        f.window->tim_Timer();
        QCOMPARE(f.cell(u"Lunch"_s, WorkListModel::Seconds), u"4."_s);
    }

    void typedNamesAreStoredWhole_data()
    {
        QTest::addColumn<QString>("first"); // the first work of the file, selected
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("tab in a new name") << running << int(Qt::Key_F5) << u"Tab\tName"_s << u"Tab Name"_s;
        QTest::newRow("line break in a new name")
            << running << int(Qt::Key_F5) << u"Line1\nLine2\r"_s << u"Line1 Line2"_s;
        QTest::newRow("renamed with breaks")
            << running << int(Qt::Key_F2) << u"\r\nTea\tTime\u2028"_s << u"Tea Time"_s;
        QTest::newRow("rename tidies blanks")
            << u" Spaced \tPaused\t-\t-\t0\t-\t5"_s << int(Qt::Key_F2) << u"Spaced"_s << u"Spaced"_s;
        QTest::newRow("rename changes letter case")
            << running << int(Qt::Key_F2) << u"WRITE REPORT"_s << u"WRITE REPORT"_s;
    }
    void typedNamesAreStoredWhole()
    {
        QFETCH(QString, first);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        WorkTimeFixture f({ first, paused, finished });
        f.open();
        f.select({ f.model().work(0).name });
        f.boxes.queueInput(typed);
        QFETCH(int, key);
        press(f, key);
        QCOMPARE(f.boxes.shown().size(), 1); // the question only: the name is not taken
        QVERIFY(f.rowOf(name) >= 0);
        const QStringList written = f.fileLines();
        f.close();
        f.open();
        QVERIFY(f.rowOf(name) >= 0);
        QCOMPARE(f.model().rowCount(), written.size());
        QCOMPARE(f.fileLines().size(), written.size());
        for (const QString& line : f.fileLines())
            QCOMPARE(line.count(u'\t'), 6);
    }

    void twinLinesStayWhenTheWorkChanges_data()
    {
        QTest::addColumn<int>("key"); // 0: only opened and closed
        QTest::addColumn<QString>("typed");
        QTest::newRow("closing") << 0 << QString();
        QTest::newRow("pause") << int(Qt::Key_P) << QString();
        QTest::newRow("stop") << int(Qt::Key_S) << QString();
        QTest::newRow("rename") << int(Qt::Key_F2) << u"Renamed"_s;
    }
    void twinLinesStayWhenTheWorkChanges()
    {
        QFETCH(int, key);
        QFETCH(QString, typed);
        const QString twin = u"Write report\tFinished\t2024/04/01 08:00:00\t2024/04/01 09:00:00\t0\t-\t9"_s;
        WorkTimeFixture f({ running, twin, paused, twin });
        f.open();
        f.select({ u"Write report"_s });
        f.boxes.queueInput(typed);
        if (key)
            press(f, key, key == Qt::Key_F2 ? Qt::NoModifier : Qt::ControlModifier);
        f.close();
        const QStringList lines = f.fileLines();
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.count(twin), 2);
        QCOMPARE(lines.count(paused), 1);
    }

    void renameToNothingNewWritesNothing_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("cancel") << std::optional<QString>();
        QTest::newRow("same name") << std::optional<QString>(u" Coffee "_s);
        QTest::newRow("blanks") << std::optional<QString>(u"   "_s);
    }
    void renameToNothingNewWritesNothing()
    {
        QFETCH(std::optional<QString>, answer);
        WorkTimeFixture f(threeWorks);
        f.open();
        const QByteArray before = bytesOf(f.worksPath());
        f.select({ u"Coffee"_s });
        f.boxes.queueInput(answer);
        press(f, Qt::Key_F2);
        QCOMPARE(f.boxes.shown().size(), 1);
        QCOMPARE(f.boxes.shown()[0].defaultText, u"Coffee"_s);
        QCOMPARE(bytesOf(f.worksPath()), before);
        QCOMPARE(f.model().work(1).name, u"Coffee"_s);
    }

    void renameByDoubleClickChangesOnlyTheName()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        const QPoint row = f.list().visualRect(f.model().index(1, 0)).center();
        f.boxes.queueInput(u"Tea"_s);
        // A double click comes after a first click on the same row.
        QTest::mouseClick(f.list().viewport(), Qt::LeftButton, Qt::NoModifier, row);
        QTest::mouseDClick(f.list().viewport(), Qt::LeftButton, Qt::NoModifier, row);
        QCOMPARE(f.boxes.shown().size(), 1);
        QCOMPARE(f.boxes.shown()[0].text, u"Enter a new name for the work 'Coffee', or leave it as it is:"_s);
        QCOMPARE(f.fileLines()[1], u"Tea\tPaused\t2024/05/01 08:00:00\t-\t0\t2024/05/01 09:00:00\t3600"_s);
        QCOMPARE(f.model().work(1).name, u"Tea"_s);
    }

    void renameWithoutSelectionTakesTheLastWork()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        f.list().selectNoRows();
        f.boxes.queueInput(u"Older task"_s);
        click(f.button(1));
        QCOMPARE(f.model().work(2).name, u"Older task"_s);
        QVERIFY(f.fileLines()[2].startsWith(u"Older task\tFinished"_s));
    }

    void pauseActsOnStartedWorksOnly()
    {
        const QString second = u"Second run\tStarted\t2024/05/01 09:00:00\t-\t0\t-\t0"_s;
        WorkTimeFixture f({ running, paused, finished, second });
        f.open();
        f.clock.advance(40); // after the last tick: the used seconds stay as then counted
        f.select({ u"Write report"_s, u"Coffee"_s, u"Old task"_s });
        press(f, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.fileLines(),
            QStringList({ paused, finished, second,
                u"Write report\tPaused\t2024/05/01 09:58:20\t-\t30\t2024/05/01 10:00:40\t70"_s }));
        QCOMPARE(f.model().work(f.rowOf(u"Second run"_s)).status, u"Started"_s);
        QCOMPARE(colourOf(f, u"Write report"_s), QColor(0, 0, 255));
        QCOMPARE(f.cell(u"Write report"_s, WorkListModel::Seconds), u"70."_s);
        f.clock.advance(100);
        f.window->tim_Timer();
        QCOMPARE(f.cell(u"Write report"_s, WorkListModel::Seconds), u"70."_s);
    }

    void stopLeavesPausedAndFinishedWorksAlone()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        const QByteArray before = bytesOf(f.worksPath());
        f.select({ u"Coffee"_s, u"Old task"_s });
        press(f, Qt::Key_S, Qt::ControlModifier);
        press(f, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(bytesOf(f.worksPath()), before);
        QVERIFY(f.boxes.shown().isEmpty());
    }

    void pauseRestartStopEndsTheFile()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        f.select({ u"Write report"_s });
        press(f, Qt::Key_P, Qt::ControlModifier);
        f.clock.advance(90);
        press(f, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(f.fileLines().constLast(), u"Write report\tStarted\t2024/05/01 09:58:20\t-\t120\t-\t70"_s);
        QCOMPARE(colourOf(f, u"Write report"_s), f.list().palette().color(QPalette::Text));
        f.clock.advance(10);
        f.window->tim_Timer(); // 190 s since began, 120 paused
        press(f, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.fileLines().constLast(),
            u"Write report\tFinished\t2024/05/01 09:58:20\t2024/05/01 10:01:40\t120\t-\t80"_s);
        QCOMPARE(f.fileLines().size(), 3);
        QCOMPARE(colourOf(f, u"Write report"_s), QColor(255, 0, 0));
    }

    void findSelectsEveryMatchInAnyCase()
    {
        WorkTimeFixture f({ running, paused, finished, u"Refresh docs\tStarted\t-\t-\t0\t-\t0"_s });
        f.open();
        f.select({ u"Coffee"_s });
        f.boxes.queueInput(u" RE "_s);
        press(f, Qt::Key_F3);
        QCOMPARE(f.boxes.shown()[0].text, u"Find the works whose name contains:"_s);
        QCOMPARE(f.list().selectedRows(), QList<int>({ 0, 3 }));
        // Nothing found: nothing selected, and nothing said.
        f.boxes.queueInput(u"xyz"_s);
        click(f.button(4));
        QVERIFY(f.list().selectedRows().isEmpty());
        QCOMPARE(f.boxes.shown().size(), 2);
    }

    void headerClicksFlipOrderAndMarker()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        const QHeaderView* header = f.list().header();
        const auto marker = [header](int column) {
            return header->isSortIndicatorShown() && header->sortIndicatorSection() == column
                ? int(header->sortIndicatorOrder())
                : -1;
        };
        const int ascending = Qt::AscendingOrder;
        const int descending = Qt::DescendingOrder;
        clickHeader(f, 0);
        QCOMPARE(f.model().work(0).name, u"Write report"_s);
        QCOMPARE(marker(0), descending);
        clickHeader(f, 0);
        QCOMPARE(f.model().work(0).name, u"Coffee"_s);
        QCOMPARE(marker(0), ascending);
        clickHeader(f, WorkListModel::Finished);
        QCOMPARE(f.model().sortOrder(), Qt::DescendingOrder);
        QCOMPARE(f.model().work(0).name, u"Old task"_s);
        QCOMPARE(marker(WorkListModel::Finished), descending);
        QCOMPARE(marker(0), -1);
    }

    void sortedListKeepsItsOrderOnReopen_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("descending") << 1 << QStringList({ u"Coffee"_s, u"Write report"_s, u"Short"_s });
        QTest::newRow("ascending") << 2 << QStringList({ u"Short"_s, u"Write report"_s, u"Coffee"_s });
    }
    void sortedListKeepsItsOrderOnReopen()
    {
        QFETCH(int, clicks);
        const QString shortPause = u"Short\tPaused\t2024/05/01 09:00:00\t-\t0\t2024/05/01 09:00:09\t9"_s;
        WorkTimeFixture f({ running, paused, shortPause });
        f.open();
        for (int i = 0; i < clicks; ++i)
            clickHeader(f, WorkListModel::Seconds);
        f.close();
        f.open();
        QStringList names;
        for (int row = 0; row < f.model().rowCount(); ++row)
            names << f.model().work(row).name;
        QTEST(names, "order");
    }

    void closeRewritesRunningWorksAndReopenCountsOn()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        f.close();
        QVERIFY(!f.window->tim().isActive());
        QCOMPARE(f.fileLines(),
            QStringList({ paused, finished, u"Write report\tStarted\t2024/05/01 09:58:20\t-\t30\t-\t70"_s }));
        f.clock.advance(600);
        f.open();
        QCOMPARE(f.model().rowCount(), 3);
        QCOMPARE(f.cell(u"Write report"_s, WorkListModel::Seconds), u"670."_s);
        QCOMPARE(f.fileLines().size(), 3);
    }

    void deleteRemovesTheSelectedWorks()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        f.select({ u"Coffee"_s, u"Old task"_s });
        f.boxes.queueAnswer(Answer::No);
        press(f, Qt::Key_Delete);
        QCOMPARE(f.model().rowCount(), 3);
        QCOMPARE(f.boxes.shown()[0].icon, MessageBoxes::Icon::Question);
        f.boxes.queueAnswer(Answer::Yes);
        press(f, Qt::Key_Delete);
        QCOMPARE(f.model().rowCount(), 1);
        QCOMPARE(f.fileLines(), QStringList { running });
    }

    void clearEmptiesListAndFile()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        f.boxes.queueAnswer(Answer::Cancel);
        click(f.button(3));
        QCOMPARE(f.model().rowCount(), 3);
        f.boxes.queueAnswer(Answer::Yes);
        click(f.button(3));
        QCOMPARE(f.boxes.shown().constLast().text,
            u"Remove every work from the list and from the works file? This cannot be undone."_s);
        QCOMPARE(f.model().rowCount(), 0);
        QVERIFY(QFile::exists(f.worksPath()));
        QCOMPARE(QFile(f.worksPath()).size(), 0);
    }

    void copyPutsTheSelectedWorksValue_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("name") << int(Qt::Key_F1) << u"Old task"_s;
        QTest::newRow("began") << int(Qt::Key_F2) << u"2024/04/30 08:00:00"_s;
        QTest::newRow("finished") << int(Qt::Key_F3) << u"2024/04/30 09:00:00"_s;
        QTest::newRow("hours") << int(Qt::Key_F8) << u"1.00"_s;
        QTest::newRow("seconds") << int(Qt::Key_F11) << u"3,600."_s;
    }
    void copyPutsTheSelectedWorksValue()
    {
        QFETCH(int, key);
        WorkTimeFixture f(threeWorks);
        f.open();
        f.select({ u"Old task"_s });
        QGuiApplication::clipboard()->setText(u"before"_s);
        press(f, key, Qt::ShiftModifier);
        QTEST(QGuiApplication::clipboard()->text(), "text");
    }

    void copyWithoutSelectionEmptiesTheClipboard()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        f.list().selectNoRows();
        QGuiApplication::clipboard()->setText(u"before"_s);
        press(f, Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    void failedWritesAreReportedAndLoseNothing()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        const QByteArray before = bytesOf(f.worksPath());
        QVERIFY(QFile::setPermissions(f.worksPath(), QFile::ReadOwner));
        f.boxes.queueInput(u"Lunch"_s);
        press(f, Qt::Key_F5);
        QCOMPARE(f.boxes.shown().constLast().icon, MessageBoxes::Icon::Warning);
        QCOMPARE(f.lastBox().count(QDir::toNativeSeparators(f.worksPath())), 1);
        QCOMPARE(f.rowOf(u"Lunch"_s), -1);
        f.select({ u"Write report"_s });
        press(f, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.model().work(0).status, u"Started"_s);
        f.boxes.queueAnswer(Answer::Yes);
        press(f, Qt::Key_Delete);
        QCOMPARE(f.model().rowCount(), 3);
        f.boxes.queueAnswer(Answer::Yes);
        press(f, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(f.model().rowCount(), 3);
        QCOMPARE(f.boxes.shown().size(), 7);
        QCOMPARE(bytesOf(f.worksPath()), before);
    }

    void trayMenuIsBuiltAndCaptioned()
    {
        WorkTimeFixture f(threeWorks);
        const WorkTrayMenu& tray = f.window->tray();
        QCOMPARE(&f.window->ment(), tray.ment);
        QStringList names;
        for (const QAction* action : tray.ment->actions())
            names << action->objectName();
        QCOMPARE(names,
            QStringList({ u"ments"_s, u"mentsa"_s, u"menth"_s, u"mentsb"_s, u"mentt"_s, u"mentw"_s,
                u"mentc"_s, u"mentsc"_s, u"mentl"_s, u"mentsd"_s, u"menta"_s, u"mentse"_s, u"mentx"_s }));
        QVERIFY(!f.window->menuBar()->actions().contains(tray.ment->menuAction()));
        // Captioned before the window first opens, as the tray needs them.
        QCOMPARE(tray.ments->text(), u"&Restore Kronvel"_s);
        QCOMPARE(tray.mentx->text(), u"E&xit"_s);
    }

    void listFollowsTheWindowSize()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        const QPoint lastButton = f.button(8)->pos();
        f.window->resize(900, 500);
        QTRY_COMPARE(f.window->centralWidget()->width(), 900);
        const double dpi = f.window->logicalDpiX();
        const QWidget* area = f.window->centralWidget();
        const int listWidth = Twips::toPixels(Twips::fromPixels(area->width(), dpi) - 180, dpi);
        QCOMPARE(f.list().width(), listWidth);
        QCOMPARE(f.list().y(), Twips::toPixels(585, dpi));
        // The status column is at least its designed width, and wide enough for "Finished".
        const int status = f.list().columnWidth(WorkListModel::Status);
        QVERIFY(status >= Twips::toPixels(820, dpi));
        QVERIFY(status > f.list().fontMetrics().horizontalAdvance(u"Finished"_s));
        QCOMPARE(f.list().columnWidth(WorkListModel::Began), Twips::toPixels(2000, dpi));
        // Counters take what their counts need and leave the rest to the names.
        QCOMPARE(f.list().columnWidth(WorkListModel::Weeks), f.list().columnWidth(WorkListModel::Seconds));
        QVERIFY(f.list().columnWidth(WorkListModel::Name) > f.list().columnWidth(WorkListModel::Seconds));
        // The buttons stay where they were, in one row.
        QCOMPARE(f.button(8)->pos(), lastButton);
        QCOMPARE(lastButton.y(), Twips::toPixels(90, dpi));
    }

    void rightButtonOpensTheWorkMenu()
    {
        WorkTimeFixture f(threeWorks);
        f.open();
        auto* menw = f.window->findChild<QMenu*>(u"menw"_s);
        QTest::mouseRelease(f.list().viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
        QTRY_VERIFY(menw->isVisible());
        menw->close();
    }

    void openRunsModalUntilClosed()
    {
        WorkTimeFixture f(threeWorks);
        // In the middle of the screen, so that the window centred over it lies on the screen.
        f.mainWindow.setGeometry(250, 300, 300, 200);
        QTimer::singleShot(0, f.window.get(), [&f] {
            QVERIFY(f.window->isModal());
            QCOMPARE(f.model().rowCount(), 3);
            click(f.button(8));
        });
        QCOMPARE(f.window->open(), 0);
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.fileLines().constLast(), u"Write report\tStarted\t2024/05/01 09:58:20\t-\t30\t-\t70"_s);
        // Every opening comes up at the same place over the middle of its owner.
        QList<QRect> places;
        for (int i = 0; i < 3; ++i) {
            QTimer::singleShot(0, f.window.get(), [&] {
                QTest::qWait(300); // where a window manager has put it by then
                places << f.window->geometry();
                click(f.button(8));
            });
            f.window->open();
        }
        QCOMPARE(places[2], places[1]);
        QCOMPARE(places[1], places[0]);
        QVERIFY(qAbs(places[0].center().x() - f.mainWindow.geometry().center().x()) <= 1);
    }
};

QTEST_MAIN(TestWorkTimeWindow)
#include "test_worktime_window.moc"
