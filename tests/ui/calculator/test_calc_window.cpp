// The calculator window driven like a user: keys and clicks on its controls, a fake clock
// and scripted message boxes, over a temporary data folder with the shipped texts.
#include "tests/ui/calculator/CalcFixture.h"

#include "platform/Twips.h"
#include "ui/calculator/frmPubCalc.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QStringList unitBoxes = { u"txtY"_s, u"txtM"_s, u"txtW"_s, u"txtD"_s, u"txtH"_s, u"txtI"_s, u"txtS"_s };
const QStringList weekdayBoxes
    = { u"txtSun"_s, u"txtMon"_s, u"txtTues"_s, u"txtWed"_s, u"txtThur"_s, u"txtFri"_s, u"txtSat"_s };

QString texts(const CalcFixture& f, const QStringList& names)
{
    QStringList shown;
    for (const QString& name : names)
        shown << f.box(name)->text();
    return shown.join(u'|');
}

QString plus(const QDateTime& moment, qint64 seconds)
{
    return moment.addSecs(seconds).toString(u"yyyy/MM/dd HH:mm:ss"_s);
}

// Clicks on the button's circle, which is always part of its hit area.
void clickOption(QRadioButton* option)
{
    QVERIFY(option);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

void setMoment(CalcFixture& f, const QString& date, const QString& time, const QDateTime& value)
{
    f.date(date)->setDate(value.date());
    f.time(time)->setTime(value.time());
}

} // namespace

class TestCalcWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void openingState_data();
    void openingState();
    void textsFromTips();
    void spanFollowsThePickers();
    void steppingEndDayByKey();
    void decimalsFromTheSettings();
    void typingIntoQuantity_data();
    void typingIntoQuantity();
    void choosingUnitRecomputes();
    void upDownStepsQuantity();
    void outOfRangeRefusedWithMessage();
    void resultBoxSelectsAllOnFocus();
    void escClosesFromAnyControl_data();
    void escClosesFromAnyControl();
    void windowHugsTheFrame();
    void openCalculatorRunsModalFromNow();
};

void TestCalcWindow::openingState_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("workdays");
    QTest::addColumn<QString>("weekdays");
    QTest::newRow("Wednesday") << QDateTime(QDate(2024, 5, 1), QTime(10, 0, 0)) << u"1"_s
                               << u"0|0|0|1|0|0|0"_s;
    QTest::newRow("Sunday") << QDateTime(QDate(2024, 5, 5), QTime(23, 59, 59)) << u"0"_s
                            << u"1|0|0|0|0|0|0"_s;
    QTest::newRow("29 February, a Thursday")
        << QDateTime(QDate(2024, 2, 29), QTime(0, 0, 0)) << u"1"_s << u"0|0|0|0|1|0|0"_s;
}

void TestCalcWindow::openingState()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, workdays);
    QFETCH(QString, weekdays);
    CalcFixture f(now);
    f.open();
    QCOMPARE(texts(f, unitBoxes), u"0.000|0.000|0.00|0.00|0.00|0.0|0."_s);
    QCOMPARE(f.box(u"txtE"_s)->text(), workdays);
    QCOMPARE(texts(f, weekdayBoxes), weekdays);
    QCOMPARE(f.resultText(), plus(now, 86400));
    QCOMPARE(f.find<QComboBox>(u"cbb"_s)->currentText(), u"Days"_s);
    QCOMPARE(f.box(u"txtQty"_s)->text(), u"1"_s);
    QVERIFY(f.find<QRadioButton>(u"optAdd"_s)->isChecked());
    QVERIFY(f.boxes.shown().isEmpty());
}

void TestCalcWindow::textsFromTips()
{
    CalcFixture f;
    f.open();
    QCOMPARE(f.dialog->windowTitle(), u"Calculator"_s);
    QCOMPARE(f.find<QGroupBox>(u"fra"_s)->title(), u"Count Of Elements"_s);
    QCOMPARE(f.find<QGroupBox>(u"fraDate"_s)->title(), u"Date && Time"_s);
    QCOMPARE(f.find<QLabel>(u"lblI"_s)->text(), u"M&inutes"_s);
    QCOMPARE(f.find<QLabel>(u"lblI"_s)->buddy(), f.box(u"txtI"_s));
    QCOMPARE(f.find<QRadioButton>(u"optSubtract"_s)->text(), u"S&ubtract (-)"_s);
    QCOMPARE(f.find<QComboBox>(u"cbb"_s)->count(), 7);
}

void TestCalcWindow::spanFollowsThePickers()
{
    CalcFixture f(QDateTime(QDate(2024, 5, 6), QTime(8, 0, 0)));
    f.open();
    setMoment(f, u"dtpDate(1)"_s, u"dtpTime(1)"_s, QDateTime(QDate(2024, 5, 10), QTime(17, 0, 0)));
    QCOMPARE(texts(f, unitBoxes), u"0.012|0.144|0.63|4.38|105.00|6300.0|378000."_s);
    QCOMPARE(f.box(u"txtE"_s)->text(), u"5"_s);
    QCOMPARE(texts(f, weekdayBoxes), u"0|1|1|1|1|1|0"_s);

    // Begin after End: negative values, negative workdays, weekday counts without sign.
    setMoment(f, u"dtpDate(0)"_s, u"dtpTime(0)"_s, QDateTime(QDate(2024, 5, 10), QTime(17, 0, 0)));
    setMoment(f, u"dtpDate(1)"_s, u"dtpTime(1)"_s, QDateTime(QDate(2024, 5, 6), QTime(8, 0, 0)));
    QCOMPARE(texts(f, unitBoxes), u"-0.012|-0.144|-0.63|-4.38|-105.00|-6300.0|-378000."_s);
    QCOMPARE(f.box(u"txtE"_s)->text(), u"-5"_s);
    QCOMPARE(texts(f, weekdayBoxes), u"0|1|1|1|1|1|0"_s);
}

void TestCalcWindow::steppingEndDayByKey()
{
    CalcFixture f(QDateTime(QDate(2024, 2, 28), QTime(23, 0, 0)));
    f.open();
    QDateEdit* end = f.date(u"dtpDate(1)"_s);
    end->setFocus();
    QTest::keyClick(end, Qt::Key_End); // the day
    QTest::keyClick(end, Qt::Key_Up);
    QCOMPARE(end->date(), QDate(2024, 2, 29));
    QCOMPARE(f.box(u"txtD"_s)->text(), u"1.00"_s);
    QCOMPARE(f.box(u"txtE"_s)->text(), u"2"_s);
    QTest::keyClick(end, Qt::Key_Down);
    QTest::keyClick(end, Qt::Key_Down);
    QCOMPARE(f.box(u"txtD"_s)->text(), u"-1.00"_s);
    QCOMPARE(f.box(u"txtE"_s)->text(), u"-2"_s);
    QCOMPARE(texts(f, weekdayBoxes), u"0|0|1|1|0|0|0"_s);
    // The Based On pickers belong to the other part and did not move.
    QCOMPARE(f.resultText(), u"2024/02/29 23:00:00"_s);
}

void TestCalcWindow::decimalsFromTheSettings()
{
    CalcFixture f(QDateTime(QDate(2024, 5, 1), QTime(0, 0, 0)));
    f.program->settings().setValue(SettingKey::Day, u"0"_s);
    f.program->settings().setValue(SettingKey::Hour, u"not a number"_s);
    f.open();
    const QString hoursBefore = f.box(u"txtH"_s)->text();
    setMoment(f, u"dtpDate(1)"_s, u"dtpTime(1)"_s, QDateTime(QDate(2024, 5, 2), QTime(16, 0, 0)));
    QCOMPARE(f.box(u"txtD"_s)->text(), u"2."_s);
    // Unusable decimals: the box keeps what it showed.
    QCOMPARE(f.box(u"txtH"_s)->text(), hoursBefore);
    QCOMPARE(f.box(u"txtI"_s)->text(), u"2400.0"_s);
}

void TestCalcWindow::typingIntoQuantity_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<qint64>("shiftSeconds");
    QTest::newRow("a letter") << u"x"_s << 0 << u"1"_s << 86400LL;
    QTest::newRow("a minus sign") << u"-"_s << 0 << u"1"_s << 86400LL;
    QTest::newRow("a blank and a point") << u" ."_s << 0 << u"1"_s << 86400LL;
    QTest::newRow("a digit") << u"5"_s << 0 << u"15"_s << 15 * 86400LL;
    QTest::newRow("every digit deleted") << QString() << 1 << QString() << 0LL;
    QTest::newRow("deleted and retyped") << u"30"_s << 1 << u"30"_s << 30 * 86400LL;
}

void TestCalcWindow::typingIntoQuantity()
{
    QFETCH(QString, typed);
    QFETCH(int, backspaces);
    QFETCH(QString, quantity);
    QFETCH(qint64, shiftSeconds);
    const QDateTime now(QDate(2024, 5, 1), QTime(10, 0, 0));
    CalcFixture f(now);
    f.open();
    QLineEdit* box = f.box(u"txtQty"_s);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    for (int i = 0; i < backspaces; ++i)
        QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), quantity);
    QCOMPARE(f.resultText(), plus(now, shiftSeconds));
    QVERIFY(f.boxes.shown().isEmpty());
}

void TestCalcWindow::choosingUnitRecomputes()
{
    const QDateTime now(QDate(2024, 1, 31), QTime(10, 0, 0));
    CalcFixture f(now);
    f.open();
    QComboBox* units = f.find<QComboBox>(u"cbb"_s);
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Up); // Days to Weeks
    QCOMPARE(units->currentText(), u"Weeks"_s);
    QCOMPARE(f.resultText(), plus(now, 7 * 86400));
    QTest::keyClick(units, Qt::Key_Up); // Months: the last day of February
    QCOMPARE(f.resultText(), u"2024/02/29 10:00:00"_s);
    QTest::keyClick(units, Qt::Key_End); // Seconds
    QCOMPARE(f.resultText(), u"2024/01/31 10:00:01"_s);

    clickOption(f.find<QRadioButton>(u"optSubtract"_s));
    QCOMPARE(f.resultText(), u"2024/01/31 09:59:59"_s);
}

void TestCalcWindow::upDownStepsQuantity()
{
    const QDateTime now(QDate(2024, 5, 1), QTime(10, 0, 0));
    CalcFixture f(now);
    f.open();
    auto* up = f.find<QToolButton>(u"up"_s);
    auto* down = f.find<QToolButton>(u"down"_s);
    QLineEdit* box = f.box(u"txtQty"_s);
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(box->text(), u"2"_s);
    QCOMPARE(f.resultText(), plus(now, 2 * 86400));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(box->text(), u"0"_s); // never below 0
    QCOMPARE(f.resultText(), plus(now, 0));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Up);
    QCOMPARE(box->text(), u"1"_s);
    box->setText(u"2147483647"_s);
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(box->text(), u"2147483647"_s); // the 32-bit limit
    box->setText(u"9999999999"_s);
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(box->text(), u"9999999999"_s); // up never lowers
}

void TestCalcWindow::outOfRangeRefusedWithMessage()
{
    CalcFixture f;
    f.open();
    setMoment(f, u"dtpBasedDate"_s, u"dtpBasedTime"_s, QDateTime(QDate(1601, 1, 1), QTime(0, 0, 0)));
    QCOMPARE(f.resultText(), u"1601/01/02 00:00:00"_s);
    QVERIFY(f.boxes.shown().isEmpty());

    clickOption(f.find<QRadioButton>(u"optSubtract"_s));
    QCOMPARE(f.boxes.shown().size(), 1);
    QCOMPARE(f.lastBox(), f.program->message(u"DAY OUT"_s));
    QVERIFY(f.lastBox().contains(u"1601/01/01 00:00:00"_s));
    QCOMPARE(f.boxes.shown().constLast().icon, MessageBoxes::Icon::Warning);
    QCOMPARE(f.resultText(), u"1601/01/02 00:00:00"_s); // kept

    // Subtracting nothing from the first moment is refused too.
    QLineEdit* box = f.box(u"txtQty"_s);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(f.boxes.shown().size(), 2);
    QCOMPARE(f.resultText(), u"1601/01/02 00:00:00"_s);
    QCOMPARE(f.lastBox(), f.program->message(u"BASE AT END"_s)); // no room, not too many days
    QVERIFY(!f.lastBox().contains(u"fewer"_s));

    // A quantity beyond the 32-bit range is refused as too large.
    clickOption(f.find<QRadioButton>(u"optAdd"_s));
    auto* unit = f.find<QComboBox>(u"cbb"_s);
    unit->setCurrentIndex(unit->findText(u"Seconds"_s));
    QTest::keyClicks(box, u"2147483648"_s);
    QVERIFY(f.lastBox().contains(u"too large"_s));
}

void TestCalcWindow::resultBoxSelectsAllOnFocus()
{
    CalcFixture f(QDateTime(QDate(2024, 5, 1), QTime(0, 0, 0)));
    f.open();
    setMoment(f, u"dtpDate(1)"_s, u"dtpTime(1)"_s, QDateTime(QDate(2024, 6, 1), QTime(12, 0, 0)));
    QLineEdit* days = f.box(u"txtD"_s);
    QLineEdit* hours = f.box(u"txtH"_s);
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Tab);
    QTRY_VERIFY(hours->hasFocus());
    QTRY_COMPARE(hours->selectedText(), hours->text());
    QVERIFY(!hours->text().isEmpty());

    // A click places the cursor first; the whole text is selected all the same.
    QLineEdit* seconds = f.box(u"txtS"_s);
    QTest::mouseClick(seconds, Qt::LeftButton, {}, QPoint(4, seconds->height() / 2));
    QTRY_VERIFY(seconds->hasFocus());
    QTRY_COMPARE(seconds->selectedText(), seconds->text());
}

void TestCalcWindow::escClosesFromAnyControl_data()
{
    QTest::addColumn<QString>("control");
    for (const char* name : { "dtpDate(0)", "dtpTime(1)", "txtY", "txtE", "txtSat", "dtpBasedDate", "optAdd",
             "optSubtract", "txtQty", "cbb", "dtpResultTime" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestCalcWindow::escClosesFromAnyControl()
{
    QFETCH(QString, control);
    CalcFixture f;
    f.open();
    QWidget* widget = f.find<QWidget>(control);
    QVERIFY(widget);
    widget->setFocus();
    QTRY_VERIFY(widget->hasFocus());
    QTest::keyClick(widget, Qt::Key_Escape);
    QTRY_VERIFY(!f.dialog->isVisible());
}

void TestCalcWindow::windowHugsTheFrame()
{
    CalcFixture f;
    f.open();
    const int marginX = Twips::toPixels(90, f.dialog->logicalDpiX());
    const int marginY = Twips::toPixels(90, f.dialog->logicalDpiY());
    const QRect frame = f.find<QGroupBox>(u"fra"_s)->geometry();
    const QSize hugging(frame.right() + 1 + marginX, frame.bottom() + 1 + marginY);
    QCOMPARE(f.dialog->size(), hugging);
    f.dialog->resize(hugging * 2);
    QCOMPARE(f.dialog->size(), hugging);
}

void TestCalcWindow::openCalculatorRunsModalFromNow()
{
    CalcFixture f(QDateTime(QDate(2024, 5, 1), QTime(10, 0, 0)));
    f.open();
    f.box(u"txtQty"_s)->setText(u"5"_s);
    f.find<QComboBox>(u"cbb"_s)->setCurrentIndex(0);
    clickOption(f.find<QRadioButton>(u"optSubtract"_s));
    f.dialog->reject();

    f.clock.advance(3600);
    bool wasModal = false;
    QTimer::singleShot(0, f.dialog.get(), [&] {
        wasModal = f.dialog->isModal() && f.dialog->isVisible();
        QTest::keyClick(f.dialog.get(), Qt::Key_Escape);
    });
    f.dialog->openCalculator();
    QVERIFY(wasModal);
    QCOMPARE(f.box(u"txtQty"_s)->text(), u"1"_s);
    QCOMPARE(f.find<QComboBox>(u"cbb"_s)->currentText(), u"Days"_s);
    QVERIFY(f.find<QRadioButton>(u"optAdd"_s)->isChecked());
    QCOMPARE(f.time(u"dtpBasedTime"_s)->time(), QTime(11, 0, 0));
    QCOMPARE(f.resultText(), u"2024/05/02 11:00:00"_s);
}

QTEST_MAIN(TestCalcWindow)
#include "test_calc_window.moc"
