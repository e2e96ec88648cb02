// The event editor driven like a user: typing, keys and clicks on its buttons, with a fake
// clock and scripted message boxes, over a temporary data folder.
#include "tests/ui/editor/EditorFixture.h"

#include "Vantric.h"
#include "platform/Twips.h"
#include "ui/editor/frmPubDetail.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

namespace {

const QStringList threeEvents = {
    QStringLiteral("Birthday\t1975/09/21 00:00:00"),
    QStringLiteral("Wedding\t2010/01/01 12:00:00"),
    QStringLiteral("Launch\t2030/06/01 08:00:00"),
};

void click(Vantric* button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Replaces the text of the name field as a user would: select all, then type.
void retype(QLineEdit* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

// Puts the time picker's cursor on the seconds and steps them once.
void stepSeconds(QTimeEdit* picker, Qt::Key key)
{
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_End);
    QTest::keyClick(picker, key);
}

} // namespace

class TestEditorDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadStateAndTexts();
    void layoutEndsBesideClose();
    void blanksTrimmedInListAndFile();
    void emptyNameRefused();
    void newNameInOtherCaseRefused();
    void ownNameInOtherCaseAccepted();
    void changeIntoAnotherNameRefused();
    void changedEventMovesToTheEnd();
    void changedEventKeepsSortedPlace();
    void pastInTheFutureRefused();
    void momentOfNowRefused_data();
    void momentOfNowRefused();
    void enterInNameSavesAndCloses();
    void enterOnAnotherButtonStillSavesAndCloses();
    void saveAndAddInModifyModeEndsNew();
    void closeWritesNothing();
    void controlCharactersBecomeBlanks();
    void failingWriteOfNewEventReported();
    void failingWriteOfChangeLosesNothing_data();
    void failingWriteOfChangeLosesNothing();
    void openNewRunsModal();
    void fileChangedOutsideWhileOpen_data();
    void fileChangedOutsideWhileOpen();
};

void TestEditorDialog::loadStateAndTexts()
{
    EditorFixture f(threeEvents);
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Event Detail"));
    // Typed into, closed, then opened again: the load state is back.
    f.openNew();
    QTest::keyClicks(f.txtEvent(), QStringLiteral("leftover"));
    QTest::mouseClick(f.optFut(), Qt::LeftButton);
    click(f.button(2));
    f.clock.advance(3600);
    f.openNew();
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("New Event"));
    QVERIFY(f.dialog->isNewMode());
    QCOMPARE(f.txtEvent()->text(), QString());
    QVERIFY(f.optPas()->isChecked());
    QVERIFY(!f.optFut()->isChecked());
    QCOMPARE(f.dtpDate()->date(), QDate(2024, 5, 1));
    QCOMPARE(f.dtpTime()->time(), QTime(11, 0, 0));
    QCOMPARE(f.dtpDate()->displayFormat(), QStringLiteral("yyyy/MM/dd"));
    QCOMPARE(f.dtpDate()->minimumDate(), QDate(1601, 1, 1));
    QCOMPARE(f.dtpDate()->maximumDate(), QDate(9999, 12, 31));
    QVERIFY(f.dtpDate()->calendarPopup());
    QCOMPARE(f.dtpTime()->displayFormat(), QStringLiteral("HH:mm:ss"));
    QVERIFY(f.txtEvent()->hasFocus());
    // Texts from tips.dll.
    QCOMPARE(f.dialog->findChild<QLabel*>(QStringLiteral("lblEvent"))->text(), QStringLiteral("&Event"));
    QCOMPARE(
        f.dialog->findChild<QLabel*>(QStringLiteral("lblDate"))->text(), QStringLiteral("&Date && Time"));
    QCOMPARE(f.optPas()->text(), QStringLiteral("&Past"));
    QCOMPARE(f.button(0)->Caption(), QStringLiteral("Save && Add"));
    QCOMPARE(f.button(1)->Caption(), QStringLiteral("Save && Close"));
    QCOMPARE(f.button(2)->Caption(), QStringLiteral("Close"));
    QVERIFY(f.button(1)->Default());
    QVERIFY(!f.button(1)->toolTip().isEmpty());
}

void TestEditorDialog::layoutEndsBesideClose()
{
    EditorFixture f(threeEvents);
    f.openNew();
    const QRect close = f.button(2)->geometry();
    const int margin = Twips::toPixels(90, f.dialog->logicalDpiX());
    const QSize wanted(close.x() + close.width() + margin, close.y() + close.height() + margin);
    QCOMPARE(f.dialog->size(), wanted);
    f.dialog->resize(wanted + QSize(100, 60));
    QCOMPARE(f.dialog->size(), wanted);
    // Every control lies inside the inner area.
    const auto children = f.dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* child : children) {
        if (child->isWindow())
            continue;
        QVERIFY2(f.dialog->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
}

void TestEditorDialog::blanksTrimmedInListAndFile()
{
    EditorFixture f(threeEvents);
    f.openNew();
    QTest::keyClicks(f.txtEvent(), QStringLiteral("  Trip to Oslo  "));
    f.clock.advance(10); // the user took ten seconds: the moment in the pickers is now past
    click(f.button(1));
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(f.listNames().constLast(), QStringLiteral("Trip to Oslo"));
    QCOMPARE(f.model.event(3).type, QStringLiteral("Past"));
    QCOMPARE(f.fileLines().constLast(), QStringLiteral("Trip to Oslo\t2024/05/01 10:00:00"));
    QCOMPARE(f.list->selectedRows(), QList<int>({ 3 }));
    QCOMPARE(f.list->currentRow(), 3);
    QCOMPARE(f.countWrites, 1);
    QVERIFY(f.boxes.shown().isEmpty());
}

void TestEditorDialog::emptyNameRefused()
{
    EditorFixture f(threeEvents);
    f.openNew();
    QTest::keyClicks(f.txtEvent(), QStringLiteral("   "));
    f.clock.advance(10);
    f.dtpDate()->setFocus();
    click(f.button(1));
    QCOMPARE(f.lastBox(), f.program->message(QStringLiteral("NEED EVENT")));
    QCOMPARE(f.boxes.shown().constLast().icon, MessageBoxes::Icon::Information);
    QVERIFY(f.dialog->isVisible());
    QVERIFY(f.txtEvent()->hasFocus());
    QCOMPARE(f.txtEvent()->text(), QStringLiteral("   "));
    QCOMPARE(f.fileLines(), threeEvents);
    QCOMPARE(f.countWrites, 0);
}

void TestEditorDialog::newNameInOtherCaseRefused()
{
    EditorFixture f(threeEvents);
    f.openNew();
    QTest::keyClicks(f.txtEvent(), QStringLiteral(" BIRTHDAY "));
    f.clock.advance(10);
    click(f.button(1));
    QVERIFY(f.lastBox().startsWith(QStringLiteral("'BIRTHDAY' ")));
    QCOMPARE(f.lastBox(), QStringLiteral("'BIRTHDAY' ") + f.program->message(QStringLiteral("EVENT EXIST")));
    QVERIFY(f.txtEvent()->hasFocus());
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.fileLines(), threeEvents);
    QCOMPARE(f.model.rowCount(), 3);
}

void TestEditorDialog::ownNameInOtherCaseAccepted()
{
    EditorFixture f(threeEvents);
    f.openModify(QStringLiteral("Birthday"));
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Modify Event - 'Birthday'"));
    QCOMPARE(f.txtEvent()->text(), QStringLiteral("Birthday"));
    QVERIFY(f.optPas()->isChecked());
    QCOMPARE(f.dtpDate()->date(), QDate(1975, 9, 21));
    QCOMPARE(f.dtpTime()->time(), QTime(0, 0, 0));
    retype(f.txtEvent(), QStringLiteral("BirthDay"));
    click(f.button(1));
    QVERIFY(f.boxes.shown().isEmpty());
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.fileLines(),
        QStringList(
            { threeEvents.at(1), threeEvents.at(2), QStringLiteral("BirthDay\t1975/09/21 00:00:00") }));
    QCOMPARE(f.listNames(),
        QStringList({ QStringLiteral("Wedding"), QStringLiteral("Launch"), QStringLiteral("BirthDay") }));
}

void TestEditorDialog::changeIntoAnotherNameRefused()
{
    EditorFixture f(threeEvents);
    f.openModify(QStringLiteral("Birthday"));
    retype(f.txtEvent(), QStringLiteral("wedding"));
    click(f.button(0));
    QCOMPARE(f.lastBox(), QStringLiteral("'wedding' ") + f.program->message(QStringLiteral("EVENT EXIST")));
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Modify Event - 'Birthday'"));
    QCOMPARE(f.txtEvent()->text(), QStringLiteral("wedding"));
    QCOMPARE(f.fileLines(), threeEvents);
    QCOMPARE(f.listNames(),
        QStringList({ QStringLiteral("Birthday"), QStringLiteral("Wedding"), QStringLiteral("Launch") }));
    QCOMPARE(f.countWrites, 0);
}

void TestEditorDialog::changedEventMovesToTheEnd()
{
    EditorFixture f(threeEvents);
    f.list->selectAllRows();
    f.openModify(QStringLiteral("Wedding"));
    // A past event made future: a later date, and the type changed to match.
    f.dtpDate()->setFocus();
    QTest::keyClick(f.dtpDate(), Qt::Key_Home);
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(f.dtpDate(), Qt::Key_Up);
    QTest::mouseClick(f.optFut(), Qt::LeftButton);
    click(f.button(1));
    QVERIFY(f.boxes.shown().isEmpty());
    QCOMPARE(f.fileLines(),
        QStringList(
            { threeEvents.at(0), threeEvents.at(2), QStringLiteral("Wedding\t2030/01/01 12:00:00") }));
    QCOMPARE(f.listNames(),
        QStringList({ QStringLiteral("Birthday"), QStringLiteral("Launch"), QStringLiteral("Wedding") }));
    QCOMPARE(f.model.event(2).type, QStringLiteral("Future"));
    QCOMPARE(f.list->selectedRows(), QList<int>({ 2 }));
    QCOMPARE(f.countWrites, 1);
}

void TestEditorDialog::changedEventKeepsSortedPlace()
{
    EditorFixture f(threeEvents);
    f.model.sort(EventListModel::Name, Qt::AscendingOrder);
    f.openModify(QStringLiteral("Wedding"));
    retype(f.txtEvent(), QStringLiteral("Anniversary"));
    click(f.button(1));
    QCOMPARE(f.listNames(),
        QStringList({ QStringLiteral("Anniversary"), QStringLiteral("Birthday"), QStringLiteral("Launch") }));
    QCOMPARE(f.list->selectedRows(), QList<int>({ 0 }));
    QCOMPARE(f.fileLines().constLast(), QStringLiteral("Anniversary\t2010/01/01 12:00:00"));
}

void TestEditorDialog::pastInTheFutureRefused()
{
    EditorFixture f(threeEvents);
    f.openNew();
    QTest::keyClicks(f.txtEvent(), QStringLiteral("Soon"));
    stepSeconds(f.dtpTime(), Qt::Key_Up);
    QCOMPARE(f.dtpTime()->time(), QTime(10, 0, 1));
    f.txtEvent()->setFocus();
    click(f.button(1));
    QCOMPARE(f.lastBox(), f.program->message(QStringLiteral("FUTURE TIME")));
    QVERIFY(f.dtpDate()->hasFocus());
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.fileLines(), threeEvents);

    QTest::mouseClick(f.optFut(), Qt::LeftButton);
    click(f.button(1));
    QCOMPARE(f.boxes.shown().size(), 1);
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.fileLines().constLast(), QStringLiteral("Soon\t2024/05/01 10:00:01"));
    QCOMPARE(f.model.event(3).type, QStringLiteral("Future"));
    // The row was refreshed at once and counts down: one second remains.
    QCOMPARE(
        f.model.data(f.model.index(3, EventListModel::Seconds), EventListModel::SortRole).toLongLong(), 1);
}

void TestEditorDialog::momentOfNowRefused_data()
{
    QTest::addColumn<bool>("future");
    QTest::addColumn<QString>("key");
    QTest::newRow("past") << false << QStringLiteral("FUTURE TIME");
    QTest::newRow("future") << true << QStringLiteral("PAST TIME");
}

void TestEditorDialog::momentOfNowRefused()
{
    QFETCH(bool, future);
    QFETCH(QString, key);
    EditorFixture f(threeEvents);
    f.openNew();
    QTest::keyClicks(f.txtEvent(), QStringLiteral("Right now"));
    if (future)
        QTest::mouseClick(f.optFut(), Qt::LeftButton);
    click(f.button(1));
    QCOMPARE(f.lastBox(), f.program->message(key));
    QVERIFY(f.dtpDate()->hasFocus());
    QCOMPARE(f.fileLines(), threeEvents);
    QCOMPARE(f.model.rowCount(), 3);
}

void TestEditorDialog::enterInNameSavesAndCloses()
{
    EditorFixture f(threeEvents);
    f.openNew();
    QTest::keyClicks(f.txtEvent(), QStringLiteral("Typed"));
    f.clock.advance(1);
    QTest::keyClick(f.txtEvent(), Qt::Key_Return);
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(f.fileLines().constLast(), QStringLiteral("Typed\t2024/05/01 10:00:00"));
    QCOMPARE(f.model.rowCount(), 4);
}

void TestEditorDialog::enterOnAnotherButtonStillSavesAndCloses()
{
    EditorFixture f(threeEvents);
    f.openNew();
    QTest::keyClicks(f.txtEvent(), QStringLiteral("Typed"));
    f.clock.advance(1);
    f.button(0)->setFocus();
    QTest::keyClick(f.button(0), Qt::Key_Return);
    // "Save && Add" would have left the dialog open; Enter ran "Save && Close".
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.model.rowCount(), 4);
    QCOMPARE(f.fileLines().size(), 4);
}

void TestEditorDialog::saveAndAddInModifyModeEndsNew()
{
    EditorFixture f(threeEvents);
    f.openModify(QStringLiteral("Launch"));
    QVERIFY(f.optFut()->isChecked());
    retype(f.txtEvent(), QStringLiteral("Rocket launch"));
    f.clock.advance(60);
    click(f.button(0));
    QVERIFY(f.boxes.shown().isEmpty());
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("New Event"));
    QVERIFY(f.dialog->isNewMode());
    QCOMPARE(f.txtEvent()->text(), QString());
    QVERIFY(f.optPas()->isChecked());
    QCOMPARE(f.dtpDate()->date(), QDate(2024, 5, 1));
    QCOMPARE(f.dtpTime()->time(), QTime(10, 1, 0));
    QVERIFY(f.txtEvent()->hasFocus());
    QCOMPARE(f.listNames(),
        QStringList(
            { QStringLiteral("Birthday"), QStringLiteral("Wedding"), QStringLiteral("Rocket launch") }));

    // From now on a new event: nothing more is removed.
    QTest::keyClicks(f.txtEvent(), QStringLiteral("Next"));
    f.clock.advance(1);
    click(f.button(0));
    QCOMPARE(f.model.rowCount(), 4);
    QCOMPARE(f.fileLines(),
        QStringList(
            { threeEvents.at(0), threeEvents.at(1), QStringLiteral("Rocket launch\t2030/06/01 08:00:00"),
                QStringLiteral("Next\t2024/05/01 10:01:00") }));
    QCOMPARE(f.countWrites, 2);
}

void TestEditorDialog::closeWritesNothing()
{
    EditorFixture f(threeEvents);
    f.openModify(QStringLiteral("Birthday"));
    retype(f.txtEvent(), QStringLiteral("Changed my mind"));
    click(f.button(2));
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(f.fileLines(), threeEvents);
    QCOMPARE(f.model.event(0).name, QStringLiteral("Birthday"));
    QCOMPARE(f.countWrites, 0);
}

void TestEditorDialog::controlCharactersBecomeBlanks()
{
    EditorFixture f(threeEvents);
    f.openNew();
    // Pasted, since a typed tab moves the focus.
    QApplication::clipboard()->setText(QStringLiteral("\tTab\there\u2028and\u007fthere\t"));
    f.txtEvent()->setFocus();
    QTest::keyClick(f.txtEvent(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(f.txtEvent()->text().contains(u'\t'));
    f.clock.advance(1);
    click(f.button(1));
    QCOMPARE(f.listNames().constLast(), QStringLiteral("Tab here and there"));
    QCOMPARE(f.fileLines().constLast(), QStringLiteral("Tab here and there\t2024/05/01 10:00:00"));
    QCOMPARE(f.fileLines().constLast().count(u'\t'), 1);
}

void TestEditorDialog::failingWriteOfNewEventReported()
{
    EditorFixture f(threeEvents);
    QVERIFY(QFile::setPermissions(f.eventsPath(), QFile::ReadOwner | QFile::ReadGroup));
    f.openNew();
    QTest::keyClicks(f.txtEvent(), QStringLiteral("Lost?"));
    f.clock.advance(1);
    click(f.button(1));
    QCOMPARE(f.boxes.shown().size(), 1);
    QCOMPARE(f.boxes.shown().constLast().icon, MessageBoxes::Icon::Warning);
    QVERIFY(f.lastBox().contains(QDir::toNativeSeparators(f.eventsPath())));
    QVERIFY(f.lastBox().contains(QStringLiteral("read-only")));
    // The list shows only what the file holds, and the input is still there to save again.
    QCOMPARE(f.model.rowCount(), 3);
    QCOMPARE(f.fileLines(), threeEvents);
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.txtEvent()->text(), QStringLiteral("Lost?"));
    QCOMPARE(f.countWrites, 0);

    QVERIFY(QFile::setPermissions(f.eventsPath(), QFile::ReadOwner | QFile::WriteOwner));
    click(f.button(1));
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.fileLines().constLast(), QStringLiteral("Lost?\t2024/05/01 10:00:00"));
}

void TestEditorDialog::failingWriteOfChangeLosesNothing_data()
{
    QTest::addColumn<QString>("newName");
    QTest::newRow("another name") << QStringLiteral("Anniversary");
    QTest::newRow("same name") << QStringLiteral("Wedding");
    QTest::newRow("letter case only") << QStringLiteral("WEDDING");
}

void TestEditorDialog::failingWriteOfChangeLosesNothing()
{
    QFETCH(QString, newName);
    EditorFixture f(threeEvents);
    QVERIFY(QFile::setPermissions(f.eventsPath(), QFile::ReadOwner | QFile::ReadGroup));
    f.openModify(QStringLiteral("Wedding"));
    retype(f.txtEvent(), newName);
    stepSeconds(f.dtpTime(), Qt::Key_Down);
    click(f.button(1));
    QCOMPARE(f.boxes.shown().size(), 1);
    QCOMPARE(f.boxes.shown().constLast().icon, MessageBoxes::Icon::Warning);
    QCOMPARE(f.fileLines(), threeEvents);
    QCOMPARE(f.listNames(),
        QStringList({ QStringLiteral("Birthday"), QStringLiteral("Wedding"), QStringLiteral("Launch") }));
    QCOMPARE(f.model.event(1).moment.toText(), QStringLiteral("2010/01/01 12:00:00"));
    QVERIFY(f.dialog->isVisible());
    QVERIFY(!f.dialog->isNewMode());
}

void TestEditorDialog::openNewRunsModal()
{
    EditorFixture f(threeEvents);
    bool sawDialog = false;
    QTimer::singleShot(0, f.dialog.get(), [&] {
        sawDialog = f.dialog->isVisible() && f.dialog->isModal()
            && f.dialog->windowTitle() == QStringLiteral("New Event");
        QTest::keyClicks(f.txtEvent(), QStringLiteral("From the menu"));
        f.clock.advance(2);
        QTest::keyClick(f.txtEvent(), Qt::Key_Enter, Qt::KeypadModifier);
    });
    QCOMPARE(f.dialog->openNew(), int(QDialog::Accepted));
    QVERIFY(sawDialog);
    QCOMPARE(f.listNames().constLast(), QStringLiteral("From the menu"));
}

void TestEditorDialog::fileChangedOutsideWhileOpen_data()
{
    QTest::addColumn<QString>("edited"); // empty: a new event
    QTest::addColumn<QString>("gone"); // removed outside and reloaded while the editor is open
    QTest::addColumn<QString>("added"); // appended outside a moment ago, not listed yet
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("saved"); // empty: refused, the file left as it was
    const QString party = QStringLiteral("Party\t2020/01/01 00:00:00");
    const QString anniversary = QStringLiteral("Anniversary\t2010/01/01 12:00:00");
    QTest::newRow("the row above the changed one gone")
        << QStringLiteral("Wedding") << QStringLiteral("Birthday") << QString()
        << QStringLiteral("Anniversary") << QStringList { threeEvents[2], anniversary };
    QTest::newRow("the changed event itself gone: saved as new")
        << QStringLiteral("Wedding") << QStringLiteral("Wedding") << QString()
        << QStringLiteral("Anniversary") << QStringList { threeEvents[0], threeEvents[2], anniversary };
    QTest::newRow("a new name just written outside")
        << QString() << QString() << party << QStringLiteral(" PARTY") << QStringList();
    QTest::newRow("changed into a name just written outside")
        << QStringLiteral("Wedding") << QString() << party << QStringLiteral("party") << QStringList();
}

void TestEditorDialog::fileChangedOutsideWhileOpen()
{
    QFETCH(QString, edited);
    QFETCH(QString, gone);
    QFETCH(QString, added);
    QFETCH(QString, typed);
    QFETCH(QStringList, saved);
    EditorFixture f(threeEvents);
    edited.isEmpty() ? f.openNew() : f.openModify(edited);
    QStringList lines = threeEvents;
    if (!gone.isEmpty()) {
        lines.removeIf([&](const QString& line) { return line.startsWith(gone + u'\t'); });
        f.model.removeEvent(f.model.findName(gone));
    }
    if (!added.isEmpty())
        lines << added;
    QFile file(f.eventsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QString(lines.join(u'\n') + u'\n').toUtf8());
    file.close();

    retype(f.txtEvent(), typed);
    f.clock.advance(10);
    click(f.button(1));
    if (saved.isEmpty()) {
        QCOMPARE(
            f.lastBox(), u'\'' + typed.trimmed() + u"' " + f.program->message(QStringLiteral("EVENT EXIST")));
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(f.fileLines(), lines);
    } else {
        QVERIFY(f.boxes.shown().isEmpty());
        QCOMPARE(f.fileLines(), saved);
    }
}

QTEST_MAIN(TestEditorDialog)
#include "test_editor_dialog.moc"
