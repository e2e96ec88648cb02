#include "models/EventListModel.h"
#include "platform/FileAttributes.h"
#include "tests/ui/main/CommandDriver.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/help/HelpWindow.h"
#include "ui/main/frmPubMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace CommandDriver;
using Answer = MessageBoxes::Answer;
using Icon = MessageBoxes::Icon;

namespace {

const QByteArray threeEvents
    = "Alpha\t2009/01/01 00:00:00\nBeta\t2009/02/01 00:00:00\nGamma\t2009/03/01 00:00:00\n";

// Kronvel started on Alpha, Beta and Gamma, its window active so shortcuts reach it.
bool startWithThreeEvents(MainWindowFixture& kronvel)
{
    kronvel.writeFile(QStringLiteral("events.dll"), threeEvents);
    return kronvel.start() && CommandDriver::activate(kronvel.window());
}

QString shippedText(const QString& name)
{
    QFile file(u":/shipped/"_s + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The last box shown, or an empty one when none was.
FakeMessageBoxes::Shown lastBox(const MainWindowFixture& kronvel)
{
    return kronvel.boxes.shown().isEmpty() ? FakeMessageBoxes::Shown() : kronvel.boxes.shown().last();
}

QString message(const MainWindowFixture& kronvel, const char* key)
{
    return kronvel.program().message(QString::fromLatin1(key));
}

void trigger(frmPubMain& window, const char* entry)
{
    if (QAction* action = window.findChild<QAction*>(QString::fromLatin1(entry)))
        action->trigger();
}

bool hasNormalAttributes(const QString& path)
{
    return (QFileInfo(path).permissions() & QFile::WriteOwner)
        && fileAttributes(path) == FileAttribute::Normal;
}

} // namespace

class TestMainCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void newEventByKeyboardIsListedAndCounted()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        QString caption;
        whenModalShows([&](QWidget* editor) {
            caption = editor->windowTitle();
            // The name field has the focus; Alt+D goes to the date, whose year goes one down.
            QTest::keyClicks(QApplication::focusWidget(), u"Delta"_s);
            QTest::keyClick(editor, Qt::Key_D, Qt::AltModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        press(window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(caption, u"New Event"_s);
        QCOMPARE(names(window), QStringList({ u"Alpha"_s, u"Beta"_s, u"Gamma"_s, u"Delta"_s }));
        QCOMPARE(window.panel(2).text(), u"Events: 4"_s);
        QCOMPARE(kronvel.readFile(u"events.dll"_s), threeEvents + "Delta\t2009/01/01 12:00:00\n");
        // One shared editor, found by name when the window unloads.
        QCOMPARE(window.findChildren<QDialog*>(u"frmPubDetail"_s).size(), 1);
    }

    void modifyWithSeveralSelectedEditsTheCurrentOneAlone()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        ReportList& list = window.lsv();
        clickRow(list, 0);
        clickRow(list, 2, Qt::ControlModifier);
        clickRow(list, 1, Qt::ControlModifier);
        QCOMPARE(list.selectedRows(), QList<int>({ 0, 1, 2 }));
        QCOMPARE(list.currentRow(), 1);

        QString caption;
        QString nameShown;
        bool past = false;
        QStringList selectedWhileOpen;
        whenModalShows([&](QWidget* editor) {
            caption = editor->windowTitle();
            auto* name = editor->findChild<QLineEdit*>(u"txtEvent"_s);
            nameShown = name->text();
            past = editor->findChild<QRadioButton*>(u"optPas"_s)->isChecked();
            selectedWhileOpen = selectedNames(window);
            name->selectAll();
            QTest::keyClicks(name, u"Beta two"_s);
            QTest::keyClick(name, Qt::Key_Return);
        });
        press(window, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(caption, u"Modify Event - 'Beta'"_s);
        QCOMPARE(nameShown, u"Beta"_s);
        QVERIFY(past);
        QCOMPARE(selectedWhileOpen, QStringList({ u"Beta"_s }));
        QCOMPARE(kronvel.readFile(u"events.dll"_s),
            "Alpha\t2009/01/01 00:00:00\nGamma\t2009/03/01 00:00:00\nBeta two\t2009/02/01 00:00:00\n");
        QCOMPARE(selectedNames(window), QStringList({ u"Beta two"_s }));
    }

    void doubleClickModifiesThatRow()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        QString caption;
        whenModalShows([&](QWidget* editor) {
            caption = editor->windowTitle();
            QTest::keyClick(editor, Qt::Key_Escape);
        });
        // A double-click is a click, then the second press that the system reports as a double.
        clickRow(window.lsv(), 2);
        QTest::mouseDClick(window.lsv().viewport(), Qt::LeftButton, {}, rowCentre(window.lsv(), 2));
        QCOMPARE(caption, u"Modify Event - 'Gamma'"_s);
        QCOMPARE(kronvel.readFile(u"events.dll"_s), threeEvents);
    }

    void modifyOnAnEmptyListSaysSo()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, "Only\t2009/01/01 00:00:00\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        clickRow(window.lsv(), 0);
        kronvel.boxes.queueAnswer(Answer::Yes);
        press(window, Qt::Key_Delete);
        QCOMPARE(window.events().rowCount(), 0);
        kronvel.boxes.clear();
        press(window, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(kronvel.boxes.shown().size(), 1);
        QCOMPARE(lastBox(kronvel).text, message(kronvel, "NO EVENT MODIFY"));
        QCOMPARE(lastBox(kronvel).icon, Icon::Information);
        press(window, Qt::Key_Delete);
        QCOMPARE(lastBox(kronvel).text, message(kronvel, "NO EVENT DEL"));
        QCOMPARE(lastBox(kronvel).icon, Icon::Information);
    }

    void deleteRemovesTheSelectedRowsAndTheirLines()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, threeEvents + "Delta\t2009/04/01 00:00:00\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        clickRow(window.lsv(), 1);
        clickRow(window.lsv(), 3, Qt::ControlModifier);
        kronvel.boxes.queueAnswer(Answer::Yes);
        press(window, Qt::Key_Delete);
        QCOMPARE(lastBox(kronvel).text, message(kronvel, "DEL EVENT PROMPT"));
        QCOMPARE(lastBox(kronvel).icon, Icon::Question);
        QCOMPARE(names(window), QStringList({ u"Alpha"_s, u"Gamma"_s }));
        QCOMPARE(
            kronvel.readFile(u"events.dll"_s), "Alpha\t2009/01/01 00:00:00\nGamma\t2009/03/01 00:00:00\n");
        QCOMPARE(window.panel(2).text(), u"Events: 2"_s);
        QCOMPARE(selectedNames(window), QStringList({ u"Alpha"_s }));
        QCOMPARE(window.lsv().currentRow(), 0);
        QVERIFY(window.lsv().hasFocus());
    }

    void deleteWithNothingSelectedAsksAndSelectsTheFirstRow()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        clickRow(window.lsv(), 2);
        trigger(window, "mends");
        QVERIFY(window.lsv().selectedRows().isEmpty());
        kronvel.boxes.queueAnswer(Answer::Yes);
        press(window, Qt::Key_Delete);
        QCOMPARE(kronvel.boxes.shown().size(), 1);
        QCOMPARE(lastBox(kronvel).text, message(kronvel, "DEL EVENT PROMPT"));
        QCOMPARE(names(window), QStringList({ u"Alpha"_s, u"Beta"_s, u"Gamma"_s }));
        QCOMPARE(kronvel.readFile(u"events.dll"_s), threeEvents);
        QCOMPARE(selectedNames(window), QStringList({ u"Alpha"_s }));
    }

    void deleteNotAnsweredYesChangesNothing_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("No") << Answer::No;
        QTest::newRow("Cancel") << Answer::Cancel;
    }
    void deleteNotAnsweredYesChangesNothing()
    {
        QFETCH(Answer, answer);
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        clickRow(window.lsv(), 2);
        kronvel.boxes.queueAnswer(answer);
        press(window, Qt::Key_Delete);
        QCOMPARE(kronvel.boxes.shown().size(), 1);
        QCOMPARE(names(window).size(), 3);
        QCOMPARE(kronvel.readFile(u"events.dll"_s), threeEvents);
        QCOMPARE(selectedNames(window), QStringList({ u"Gamma"_s }));
    }

    void deleteWhoseWriteFailsKeepsTheRowAndSaysSo()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        const QString events = kronvel.path(u"events.dll"_s);
        QVERIFY(QFile::setPermissions(events, QFile::ReadOwner | QFile::ReadGroup));
        clickRow(window.lsv(), 0);
        clickRow(window.lsv(), 1, Qt::ControlModifier);
        kronvel.boxes.queueAnswer(Answer::Yes);
        press(window, Qt::Key_Delete);
        QFile::setPermissions(events, QFile::ReadOwner | QFile::WriteOwner);
        // One warning for the whole command, naming the file; the list still matches the file.
        QCOMPARE(kronvel.boxes.shown().size(), 2);
        QCOMPARE(lastBox(kronvel).icon, Icon::Warning);
        QVERIFY(lastBox(kronvel).text.contains(events));
        QCOMPARE(names(window), QStringList({ u"Alpha"_s, u"Beta"_s, u"Gamma"_s }));
        QCOMPARE(kronvel.readFile(u"events.dll"_s), threeEvents);
        QCOMPARE(window.panel(2).text(), u"Events: 3"_s);
    }

    void clearEmptiesListAndFile()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        kronvel.boxes.queueAnswer(Answer::Yes);
        clickToolbar(window, 6);
        QCOMPARE(lastBox(kronvel).text, message(kronvel, "CLEAR EVENT"));
        QCOMPARE(lastBox(kronvel).icon, Icon::Question);
        QCOMPARE(window.events().rowCount(), 0);
        QVERIFY(QFileInfo::exists(kronvel.path(u"events.dll"_s)));
        QCOMPARE(kronvel.readFile(u"events.dll"_s), QByteArray());
        QCOMPARE(window.panel(2).text(), u"Events: 0"_s);

        kronvel.boxes.clear();
        clickToolbar(window, 6);
        QCOMPARE(kronvel.boxes.shown().size(), 1);
        QCOMPARE(lastBox(kronvel).text, message(kronvel, "NO EVENT CLS"));
        QCOMPARE(lastBox(kronvel).icon, Icon::Information);
    }

    void clearNotAnsweredYesChangesNothing_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("No") << Answer::No;
        QTest::newRow("Cancel") << Answer::Cancel;
    }
    void clearNotAnsweredYesChangesNothing()
    {
        QFETCH(Answer, answer);
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        kronvel.boxes.queueAnswer(answer);
        clickToolbar(window, 6);
        QCOMPARE(kronvel.boxes.shown().size(), 1);
        QCOMPARE(names(window).size(), 3);
        QCOMPARE(kronvel.readFile(u"events.dll"_s), threeEvents);
    }

    void clearOfAReadOnlyFileKeepsTheRowsAndSaysSo()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        const QString events = kronvel.path(u"events.dll"_s);
        QVERIFY(QFile::setPermissions(events, QFile::ReadOwner | QFile::ReadGroup));
        kronvel.boxes.queueAnswer(Answer::Yes);
        clickToolbar(window, 6);
        QFile::setPermissions(events, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(lastBox(kronvel).icon, Icon::Warning);
        QVERIFY(lastBox(kronvel).text.contains(events));
        QCOMPARE(names(window).size(), 3);
        QCOMPARE(kronvel.readFile(u"events.dll"_s), threeEvents);
        QCOMPARE(window.panel(2).text(), u"Events: 3"_s);
    }

    void findSelectsExactlyTheMatchingNames()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s,
            "ABC day\t2009/01/01 00:00:00\nab c\t2009/01/02 00:00:00\nmy abcs\t2009/01/03 00:00:00\n"
            "Other\t2009/01/04 00:00:00\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        clickRow(window.lsv(), 3);
        kronvel.boxes.queueInput(u"  abc "_s);
        press(window, Qt::Key_F3);
        QVERIFY(lastBox(kronvel).isInput);
        QCOMPARE(lastBox(kronvel).text, message(kronvel, "FIND"));
        QCOMPARE(lastBox(kronvel).defaultText, QString());
        QCOMPARE(selectedNames(window), QStringList({ u"ABC day"_s, u"my abcs"_s }));
        QVERIFY(window.lsv().hasFocus());

        // Blanks only, and Cancel, leave the selection as it was; no message follows.
        for (const std::optional<QString>& answer :
            { std::optional<QString>(u"   "_s), std::optional<QString>() }) {
            kronvel.boxes.clear();
            kronvel.boxes.queueInput(answer);
            press(window, Qt::Key_F3);
            QCOMPARE(kronvel.boxes.shown().size(), 1);
            QCOMPARE(selectedNames(window), QStringList({ u"ABC day"_s, u"my abcs"_s }));
        }

        kronvel.boxes.clear();
        kronvel.boxes.queueInput(u"nothing like it"_s);
        press(window, Qt::Key_F3);
        QVERIFY(selectedNames(window).isEmpty());
        QCOMPARE(kronvel.boxes.shown().size(), 1);
    }

    void findDoesNotScroll()
    {
        MainWindowFixture kronvel;
        QByteArray lines;
        for (int i = 0; i < 300; ++i)
            lines += "Event " + QByteArray::number(i) + "\t2009/01/01 00:00:00\n";
        kronvel.writeFile(u"events.dll"_s, lines);
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        clickRow(window.lsv(), 0);
        QCOMPARE(window.lsv().verticalScrollBar()->value(), 0);
        kronvel.boxes.queueInput(u"event 299"_s);
        press(window, Qt::Key_F3);
        QCOMPARE(selectedNames(window), QStringList({ u"Event 299"_s }));
        QCOMPARE(window.lsv().currentRow(), 0);
        QCOMPARE(window.lsv().verticalScrollBar()->value(), 0);
    }

    void copyDaysPutsExactlyTheCellText()
    {
        MainWindowFixture kronvel;
        kronvel.writeSettings({ { u"Day"_s, u"1"_s } });
        kronvel.writeFile(u"events.dll"_s, "Holiday\t2009/12/20 00:00:00\nOther\t2009/01/01 00:00:00\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        clickRow(window.lsv(), 0);
        press(window, Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"12.5"_s);
        press(window, Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"Holiday"_s);
        press(window, Qt::Key_F2, Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"2009/12/20 00:00:00"_s);
        press(window, Qt::Key_F9, Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), window.events().cellText(0, EventListModel::Seconds));
        QCOMPARE(QGuiApplication::clipboard()->text(), u"1,080,000."_s);
    }

    void copyWithoutACurrentRowLeavesTheClipboardEmpty()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        window.lsv().setCurrentIndex(QModelIndex());
        QGuiApplication::clipboard()->setText(u"before"_s);
        press(window, Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    void copyFromAnEmptyListLeavesTheClipboardAlone()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, "Only\t2009/01/01 00:00:00\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        kronvel.boxes.queueAnswer(Answer::Yes);
        clickToolbar(window, 6);
        QGuiApplication::clipboard()->setText(u"before"_s);
        press(window, Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"before"_s);
    }

    void saveAsReplacesAReadOnlyFileWithANormalCopy()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, threeEvents);
        kronvel.writeFile(u"old.krn"_s, "Old\t2001/01/01 00:00:00\n");
        const QString saved = kronvel.path(u"old.krn"_s);
        setFileAttributes(saved, FileAttribute::ReadOnly | FileAttribute::Hidden);
        QVERIFY(QFile::setPermissions(saved, QFile::ReadOwner));
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        kronvel.desktop.queueSaveResult(saved);
        press(window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(kronvel.desktop.lastTitle(), u"Save Events As"_s);
        QCOMPARE(kronvel.desktop.lastFilter(), u"KRN Events Files (*.krn);;All Files (*)"_s);
        QCOMPARE(kronvel.desktop.lastDefaultExtension(), u"krn"_s);
        QCOMPARE(kronvel.readFile(u"old.krn"_s), kronvel.readFile(u"events.dll"_s));
        QVERIFY(hasNormalAttributes(saved));
        QVERIFY(kronvel.boxes.shown().isEmpty());
    }

    void saveAsThatCannotWriteSaysSo()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        const QString nowhere = kronvel.path(u"no such folder/events.krn"_s);
        kronvel.desktop.queueSaveResult(nowhere);
        clickToolbar(window, 2);
        QCOMPARE(kronvel.boxes.shown().size(), 1);
        QCOMPARE(lastBox(kronvel).icon, Icon::Warning);
        QVERIFY(lastBox(kronvel).text.contains(nowhere));
        QVERIFY(!QFileInfo::exists(nowhere));
    }

    void saveAsCancelledWritesNothing()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        const QStringList before = QDir(kronvel.folder()).entryList(QDir::Files | QDir::Hidden);
        press(window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(kronvel.desktop.calls().count(u"save"_s), 1);
        QCOMPARE(QDir(kronvel.folder()).entryList(QDir::Files | QDir::Hidden), before);
        QVERIFY(kronvel.boxes.shown().isEmpty());
    }

    void loadFromCancelledChangesNothing()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        clickRow(window.lsv(), 1);
        press(window, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(kronvel.desktop.lastTitle(), u"Load Events From"_s);
        QCOMPARE(kronvel.desktop.lastFilter(), u"KRN Events File (*.krn);;All Files (*)"_s);
        QCOMPARE(names(window), QStringList({ u"Alpha"_s, u"Beta"_s, u"Gamma"_s }));
        QCOMPARE(selectedNames(window), QStringList({ u"Beta"_s }));
        QCOMPARE(kronvel.readFile(u"events.dll"_s), threeEvents);
        QVERIFY(kronvel.boxes.shown().isEmpty());
    }

    void loadFromReplacesTheEventsWithTheFirstChosenFile()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, threeEvents);
        kronvel.writeFile(u"one.krn"_s, "Saved\t2011/05/05 10:00:00\n");
        kronvel.writeFile(u"two.krn"_s, "Other\t2001/01/01 00:00:00\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        kronvel.desktop.queueOpenResult({ kronvel.path(u"one.krn"_s), kronvel.path(u"two.krn"_s) });
        clickToolbar(window, 3);
        QCOMPARE(names(window), QStringList({ u"Saved"_s }));
        QCOMPARE(window.events().cellText(0, EventListModel::Type), u"Future"_s);
        QCOMPARE(window.panel(2).text(), u"Events: 1"_s);
        QCOMPARE(kronvel.readFile(u"events.dll"_s), "Saved\t2011/05/05 10:00:00\n");
        // The future row is coloured as the list style says.
        QCOMPARE(window.events().index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
    }

    void loadFromAFileThatCannotBeCopiedSaysSoAndKeepsTheList()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        kronvel.desktop.queueOpenResult({ kronvel.path(u"gone.krn"_s) });
        press(window, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(kronvel.boxes.shown().size(), 1);
        QCOMPARE(lastBox(kronvel).icon, Icon::Warning);
        QVERIFY(lastBox(kronvel).text.contains(kronvel.path(u"events.dll"_s)));
        QCOMPARE(names(window), QStringList({ u"Alpha"_s, u"Beta"_s, u"Gamma"_s }));
        QCOMPARE(kronvel.readFile(u"events.dll"_s), threeEvents);
    }

    void reloadKeepsTheSortOrder()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, threeEvents);
        kronvel.writeFile(
            u"saved.krn"_s, "b\t2009/01/01 00:00:00\nC\t2009/01/01 00:00:00\na\t2009/01/01 00:00:00\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        QHeaderView* header = window.lsv().header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(EventListModel::Name) + 5, header->height() / 2));
        QCOMPARE(names(window), QStringList({ u"Gamma"_s, u"Beta"_s, u"Alpha"_s }));
        kronvel.desktop.queueOpenResult({ kronvel.path(u"saved.krn"_s) });
        press(window, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(names(window), QStringList({ u"C"_s, u"b"_s, u"a"_s }));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    void twoHeaderClicksFlipTheOrderAndTheMarker()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s,
            "Beta\t2009/02/01 00:00:00\nGamma\t2009/03/01 00:00:00\nAlpha\t2009/01/01 00:00:00\n");
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QHeaderView* header = window.lsv().header();
        const auto click = [&](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        QVERIFY(!header->isSortIndicatorShown());
        click(EventListModel::DateTime);
        QCOMPARE(names(window), QStringList({ u"Gamma"_s, u"Beta"_s, u"Alpha"_s }));
        QCOMPARE(header->sortIndicatorSection(), int(EventListModel::DateTime));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        click(EventListModel::DateTime);
        QCOMPARE(names(window), QStringList({ u"Alpha"_s, u"Beta"_s, u"Gamma"_s }));
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        // The direction flips whichever column was clicked before; the marker moves along.
        click(EventListModel::Name);
        QCOMPARE(names(window), QStringList({ u"Gamma"_s, u"Beta"_s, u"Alpha"_s }));
        QCOMPARE(header->sortIndicatorSection(), int(EventListModel::Name));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    void sortMarkerPointsUpAscendingAndDownDescending()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, threeEvents);
        QVERIFY(kronvel.start());
        QHeaderView* header = kronvel.window().lsv().header();
        const auto clickDate = [&] {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(EventListModel::DateTime) + 5, header->height() / 2));
        };
        clickDate();
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        const QImage descending = header->grab().toImage();
        clickDate();
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        const QImage ascending = header->grab().toImage();

        // The marker is where the two pictures differ; an arrow pointing down carries more ink
        // in its upper half, one pointing up in its lower half.
        QRect marker;
        for (int y = 0; y < descending.height(); ++y) {
            for (int x = 0; x < descending.width(); ++x) {
                if (descending.pixel(x, y) != ascending.pixel(x, y))
                    marker |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY(marker.height() >= 3);
        const auto inkAbove = [&](const QImage& image) {
            int balance = 0;
            for (int y = marker.top(); y <= marker.bottom(); ++y) {
                for (int x = marker.left(); x <= marker.right(); ++x) {
                    const int ink = 255 - qGray(image.pixel(x, y));
                    balance += y < marker.center().y() ? ink : (y > marker.center().y() ? -ink : 0);
                }
            }
            return balance;
        };
        QVERIFY2(inkAbove(descending) > 0, "the descending marker does not point down");
        QVERIFY2(inkAbove(ascending) < 0, "the ascending marker does not point up");
    }

    void toolbarCaptionChangedInTheTextFilesDoesNothing()
    {
        MainWindowFixture kronvel;
        QString tips = shippedText(u"tips.dll"_s);
        QVERIFY(tips.contains(u"tlb(5).Caption=Delete"));
        tips.replace(u"tlb(5).Caption=Delete"_s, u"tlb(5).Caption=delete"_s);
        kronvel.writeFile(u"tips.dll"_s, tips.toUtf8());
        kronvel.writeFile(u"events.dll"_s, threeEvents);
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        QCOMPARE(window.findChild<QAction*>(u"tlb(5)"_s)->text(), u"delete"_s);
        clickRow(window.lsv(), 0);
        kronvel.boxes.queueAnswer(Answer::Yes);
        clickToolbar(window, 5);
        QVERIFY(kronvel.boxes.shown().isEmpty());
        QCOMPARE(names(window).size(), 3);
        // The neighbouring button kept its caption and runs its command.
        clickToolbar(window, 6);
        QCOMPARE(lastBox(kronvel).text, message(kronvel, "CLEAR EVENT"));
    }

    void accessKeysAreUniqueInEachMenu()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QList<QWidget*> containers { window.menuBar() };
        for (QMenu* menu : window.findChildren<QMenu*>())
            containers << menu;
        for (QWidget* container : std::as_const(containers)) {
            QHash<QChar, QString> taken;
            for (QAction* action : container->actions()) {
                const QString text = action->text();
                // The letter after a single "&"; "&&" shows an ampersand.
                for (qsizetype i = 0; i + 1 < text.size(); ++i) {
                    if (text[i] != u'&')
                        continue;
                    if (text[i + 1] == u'&') {
                        ++i;
                        continue;
                    }
                    const QChar key = text[i + 1].toLower();
                    QVERIFY2(!taken.contains(key),
                        qPrintable(taken.value(key) % u" and "_s % text % u" share the access key "_s % key));
                    taken.insert(key, text);
                    break;
                }
            }
        }
    }

    void linksOpenTheirAddressesExactly()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        for (const char* entry : { "menht", "menhw", "menhc", "menhl" })
            trigger(window, entry);
        QCOMPARE(kronvel.desktop.openedAddresses(),
            QStringList({ u"https://kronvel.example.org/forum/"_s, u"https://kronvel.example.org/"_s,
                u"mailto:support@kronvel.example.org"_s,
                u"https://kronvel.example.org/newver.php?ver=2.21 Build 20080613&prod=KRN"_s }));
    }

    void linksMissingFromTheTextFilesOpenNothing()
    {
        MainWindowFixture kronvel;
        QString tips = shippedText(u"tips.dll"_s);
        tips.replace(u"Mail=support@kronvel.example.org"_s, u"Mail="_s);
        tips.replace(u"Publisher=https://kronvel.example.org"_s, u"Publisher=https://kronvel.example.org/"_s);
        kronvel.writeFile(u"tips.dll"_s, tips.toUtf8());
        QVERIFY(kronvel.start());
        trigger(kronvel.window(), "menhc");
        trigger(kronvel.window(), "menhl");
        QCOMPARE(kronvel.desktop.openedAddresses(),
            QStringList({ u"https://kronvel.example.org/newver.php?ver=2.21 Build 20080613&prod=KRN"_s }));
    }

    void helpOpensOnlyOnce()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        press(window, Qt::Key_F1);
        QTRY_VERIFY(window.help().isOpen());
        HelpWindow* first = window.help().window();
        QVERIFY(first->isMaximized());
        QCOMPARE(first->windowTitle(), u"KRN Help"_s);
        QVERIFY(activate(window));
        press(window, Qt::Key_F1);
        QCOMPARE(window.help().window(), first);
        int helpWindows = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            helpWindows += top->isVisible() && top->windowTitle() == u"KRN Help";
        QCOMPARE(helpWindows, 1);
        window.help().close();
    }

    void popupMenuShowsOnTheRightButtonsRelease()
    {
        MainWindowFixture kronvel;
        QVERIFY(startWithThreeEvents(kronvel));
        frmPubMain& window = kronvel.window();
        auto* edit = window.findChild<QMenu*>(u"mend"_s);
        QWidget* viewport = window.lsv().viewport();
        const QPoint at = rowCentre(window.lsv(), 1);
        QTest::mousePress(viewport, Qt::RightButton, {}, at);
        QVERIFY(!edit->isVisible());
        QTest::mouseRelease(viewport, Qt::RightButton, {}, at);
        QTRY_VERIFY(edit->isVisible());
        QCOMPARE(edit->pos(), viewport->mapToGlobal(at));
        // Every entry of the Edit menu is there, the copy submenu included.
        QVERIFY(edit->actions().contains(window.findChild<QAction*>(u"mendd"_s)));
        QVERIFY(edit->actions().contains(window.findChild<QAction*>(u"mendoAction"_s)));
        edit->close();
    }

    void commandsWorkBeyond32767Rows()
    {
        MainWindowFixture kronvel;
        QByteArray lines;
        for (int i = 0; i < 40000; ++i)
            lines += "Event " + QByteArray::number(i) + "\t2009/01/01 00:00:00\n";
        kronvel.writeFile(u"events.dll"_s, lines);
        QVERIFY(kronvel.start());
        frmPubMain& window = kronvel.window();
        QVERIFY(activate(window));
        QCOMPARE(window.panel(2).text(), u"Events: 40000"_s);
        window.lsv().scrollToBottom();
        clickRow(window.lsv(), 39999);
        press(window, Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"Event 39999"_s);
        kronvel.boxes.queueAnswer(Answer::Yes);
        press(window, Qt::Key_Delete);
        QCOMPARE(window.panel(2).text(), u"Events: 39999"_s);
        QVERIFY(!kronvel.readFile(u"events.dll"_s).contains("Event 39999\t"));
        kronvel.boxes.queueInput(u"event 3999"_s);
        press(window, Qt::Key_F3);
        QCOMPARE(selectedNames(window).size(), 10); // 3999 and 39990 to 39998
    }
};

QTEST_MAIN(TestMainCommands)
#include "test_main_commands.moc"
