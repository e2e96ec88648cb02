// The options dialog driven like a user: typing, ticking, choosing and clicking its buttons,
// with scripted boxes and colour chooser, over a settings file in a temporary folder.
#include "tests/ui/options/OptionsFixture.h"

#include "Vantric.h"
#include "models/ColourValue.h"
#include "platform/Twips.h"
#include "ui/common/ReportList.h"
#include "ui/options/frmPubOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QByteArray ownSettings
    = "[System]\nYear=1\nMonth=2\nWeek=3\nDay=4\nHour=5\nMinute=6\nSecond=7\nRefresh=9\n"
      "Sun=Y\nMon=N\nTues=Y\nWed=N\nThur=Y\nFri=N\nSat=Y\n"
      "[Position]\nLeft=1500\nTop=900\nWidth=9000\nHeight=6000\n"
      "[List]\nName=DejaVu Serif\nSize=12\nBack=65280\nGeneral=128\nFuture=32768\n"
      "Paused=8388608\nFinished=16776960\n";

// Replaces a box's text as a user does: select everything, then type.
void retype(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

// Clicks a check box on its box, where a user clicks.
void tick(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

QColor colourOf(qint32 value)
{
    return ColourValue::resolve(value, QApplication::palette()).value_or(QColor());
}

QColor rowColour(const ReportList* list, int row)
{
    return list->model()->index(row, 1).data(Qt::ForegroundRole).value<QBrush>().color();
}

} // namespace

class TestOptionsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadShowsTheSettings();
    void textsAndLayout();
    void onlyDigitsGoIn_data();
    void onlyDigitsGoIn();
    void focusSelectsTheWholeText();
    void saveWritesAndHandsOver();
    void saveRefusals_data();
    void saveRefusals();
    void blankPrecisionFromTheFileRefused();
    void noWorkdayRefused();
    void restoreWritesShowsAndHandsOverTheDefaults();
    void restoreBringsBackTheDefaultFont();
    void escClosesAfterAButtonHadTheFocus();
    void cancelledColourChangesNothing();
    void chosenColourShowsInThePreview_data();
    void chosenColourShowsInThePreview();
    void fontChoicesRestyleThePreviewOnly();
    void emptyFontNameShowsAndSavesTahoma();
    void closeWritesNothingAndReopenReloads();
    void unknownWorkdayFlagOpensClear();
    void failedWriteReported();
    void openModalRunsUntilClosed();
};

void TestOptionsDialog::loadShowsTheSettings()
{
    OptionsFixture f(ownSettings);
    f.open();
    const QStringList numbers { u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"9"_s };
    for (int box = 0; box < numbers.size(); ++box)
        QCOMPARE(f.txt(box)->text(), numbers[box]);
    for (int day = 0; day < 7; ++day)
        QCOMPARE(f.cbx(day)->isChecked(), day % 2 == 0);
    QCOMPARE(f.cbb(0)->currentText(), u"DejaVu Serif"_s);
    QCOMPARE(f.cbb(1)->currentText(), u"12"_s);
    const QList<qint32> colours { 65280, 128, 32768, 8388608, 16776960 };
    for (int swatch = 0; swatch < colours.size(); ++swatch)
        QCOMPARE(qint32(f.sbt(3 + swatch)->BackColor()), colours[swatch]);

    // The preview: six fixed rows in the list's style, the coloured rows in their swatch's colour.
    const ReportList* list = f.lsv();
    QCOMPARE(list->model()->rowCount(), 6);
    QCOMPARE(list->model()->index(0, 0).data().toString(), u"General Item A"_s);
    QCOMPARE(list->model()->index(5, 1).data().toString(), u"666666"_s);
    QCOMPARE(list->palette().color(QPalette::Base), colourOf(65280));
    QCOMPARE(list->palette().color(QPalette::Text), colourOf(128));
    QCOMPARE(rowColour(list, 1), colourOf(32768));
    QCOMPARE(rowColour(list, 3), colourOf(8388608));
    QCOMPARE(rowColour(list, 5), colourOf(16776960));
    QVERIFY(!list->model()->index(0, 1).data(Qt::ForegroundRole).isValid());
    QCOMPARE(list->font().pointSizeF(), 12.0);
    if (QFontDatabase::families().contains(u"DejaVu Serif"_s))
        QCOMPARE(list->font().family(), u"DejaVu Serif"_s);
    QVERIFY(f.handedOver.isEmpty());
}

void TestOptionsDialog::textsAndLayout()
{
    OptionsFixture f;
    f.open();
    QCOMPARE(f.dialog->windowTitle(), u"Options"_s);
    QCOMPARE(f.dialog->findChild<QGroupBox*>(u"fra(2)"_s)->title(), u"Events && Works Listing"_s);
    QCOMPARE(f.lbl(5)->text(), u"M&inutes"_s);
    QCOMPARE(f.cbx(4)->text(), u"Th&ur."_s);
    QCOMPARE(f.sbt(1)->Caption(), u"Restore"_s);
    QCOMPARE(f.sbt(3)->Caption(), QString());
    QCOMPARE(f.lsv()->model()->headerData(1, Qt::Horizontal).toString(), u"Test Value"_s);
    QCOMPARE(f.cbb(1)->count(), 9);
    QCOMPARE(f.cbb(1)->itemText(0), u"8"_s);
    QCOMPARE(f.cbb(1)->itemText(8), u"16"_s);

    // The refresh box sits over the "XX" of its label, between "per" and "seconds".
    const QRect box = f.txt(7)->geometry();
    const QLabel* label = f.lbl(7);
    const QFontMetrics metrics = label->fontMetrics();
    QVERIFY(box.left() > label->x() + metrics.horizontalAdvance(u"Refreshing the counts per"_s));
    QVERIFY(box.right() < label->x() + metrics.horizontalAdvance(u"Refreshing the counts per    XX s"_s));
    QVERIFY(box.top() <= label->geometry().center().y() && box.bottom() >= label->geometry().center().y());

    // The dialog ends 90 twips beyond "Close", to the right and below, and stays so.
    const QRect close = f.sbt(2)->geometry();
    const int margin = Twips::toPixels(90, f.dialog->logicalDpiX());
    const QSize wanted(close.right() + 1 + margin, close.bottom() + 1 + margin);
    QCOMPARE(f.dialog->size(), wanted);
    f.dialog->resize(wanted + QSize(50, 50));
    QCOMPARE(f.dialog->size(), wanted);
    // Every control lies inside the dialog.
    for (const QWidget* control : f.dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(f.dialog->rect().contains(control->geometry()), qPrintable(control->objectName()));
    }
}

void TestOptionsDialog::onlyDigitsGoIn_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters and signs") << 7 << u"a1-2.3 4,5+e"_s << u"12345"_s;
    QTest::newRow("refresh takes many digits") << 7 << u"123456"_s << u"123456"_s;
    QTest::newRow("precision takes two digits") << 0 << u"123"_s << u"12"_s;
    QTest::newRow("precision ignores a minus") << 6 << u"-5"_s << u"5"_s;
    QTest::newRow("blanks leave the value") << 2 << u"   "_s << u"2"_s;
}

void TestOptionsDialog::onlyDigitsGoIn()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    OptionsFixture f;
    f.open();
    retype(f.txt(box), typed);
    QCOMPARE(f.txt(box)->text(), shown);
    // Backspace still takes a digit away.
    f.txt(box)->end(false);
    QTest::keyClick(f.txt(box), Qt::Key_Backspace);
    QCOMPARE(f.txt(box)->text(), shown.chopped(shown.isEmpty() ? 0 : 1));
}

void TestOptionsDialog::focusSelectsTheWholeText()
{
    OptionsFixture f(ownSettings);
    f.open();
    QLineEdit* refresh = f.txt(7);
    QTest::mouseClick(refresh, Qt::LeftButton, {}, QPoint(2, refresh->height() / 2));
    QTRY_COMPARE(refresh->selectedText(), u"9"_s);
    // Typing then replaces the whole value.
    QTest::keyClicks(refresh, u"30"_s);
    QCOMPARE(refresh->text(), u"30"_s);
    f.txt(2)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(f.txt(2)->selectedText(), u"3"_s);
}

void TestOptionsDialog::saveWritesAndHandsOver()
{
    OptionsFixture f;
    f.open();
    retype(f.txt(6), u"12"_s);
    retype(f.txt(7), u"5"_s);
    tick(f.cbx(1)); // Monday no longer a workday
    tick(f.cbx(6)); // Saturday becomes one
    f.desktop.queueColor(0x00336699);
    f.click(5);
    f.click(0);
    QCOMPARE(f.boxes.shown().size(), 0);
    QCOMPARE(f.fileValue(u"System"_s, u"Second"_s), u"12"_s);
    QCOMPARE(f.fileValue(u"System"_s, u"Refresh"_s), u"5"_s);
    QCOMPARE(f.fileValue(u"System"_s, u"Mon"_s), u"N"_s);
    QCOMPARE(f.fileValue(u"System"_s, u"Sat"_s), u"Y"_s);
    QCOMPARE(f.fileValue(u"List"_s, u"Future"_s), QString::number(0x00336699));
    QCOMPARE(f.fileValue(u"List"_s, u"Back"_s), u"-2147483643"_s);
    // The record was read again before the main window was told, once.
    QCOMPARE(f.handedOver.size(), 1);
    QCOMPARE(f.handedOver[0].value(SettingKey::Refresh), u"5"_s);
    QCOMPARE(f.handedOver[0].value(SettingKey::Future), QString::number(0x00336699));
    QCOMPARE(f.program->settings().value(SettingKey::Second), u"12"_s);
    QVERIFY(f.dialog->isVisible());
}

void TestOptionsDialog::saveRefusals_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    QTest::newRow("years empty") << 0 << QString() << u"Please enter the number of decimals for years."_s
                                 << 0;
    QTest::newRow("minutes empty") << 5 << QString() << u"Please enter the number of decimals for minutes."_s
                                   << 5;
    QTest::newRow("refresh empty") << 7 << QString()
                                   << u"Please enter how often, in seconds, the counters refresh."_s << 7;
    QTest::newRow("refresh 66") << 7 << u"66"_s
                                << u"The refresh interval must be a whole number of seconds from 1 to 65."_s
                                << 7;
}

void TestOptionsDialog::saveRefusals()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, focus);
    OptionsFixture f;
    f.open();
    const QByteArray before = f.settingsBytes();
    retype(f.txt(box), typed);
    f.txt(box == 0 ? 1 : 0)->setFocus();
    f.click(0);
    QCOMPARE(f.boxes.shown().size(), 1);
    QCOMPARE(f.lastBox(), message);
    QCOMPARE(f.boxes.shown().constLast().icon, MessageBoxes::Icon::Information);
    QTRY_COMPARE(QApplication::focusWidget(), f.txt(focus));
    QCOMPARE(f.txt(box)->text(), typed);
    QCOMPARE(f.settingsBytes(), before);
    QVERIFY(f.handedOver.isEmpty());
    QVERIFY(f.dialog->isVisible());
}

void TestOptionsDialog::blankPrecisionFromTheFileRefused()
{
    // Profile values lose their blanks when read, so the record is given them directly.
    OptionsFixture f(ownSettings);
    f.program->settings().setValue(SettingKey::Hour, u"   "_s);
    f.open();
    QCOMPARE(f.txt(4)->text(), u"   "_s);
    f.click(0);
    QCOMPARE(f.lastBox(), u"Please enter the number of decimals for hours."_s);
    QTRY_COMPARE(QApplication::focusWidget(), f.txt(4));
    QVERIFY(f.handedOver.isEmpty());
}

void TestOptionsDialog::noWorkdayRefused()
{
    OptionsFixture f;
    f.open();
    const QByteArray before = f.settingsBytes();
    for (int day = 0; day < 7; ++day) {
        if (f.cbx(day)->isChecked())
            tick(f.cbx(day));
    }
    f.txt(3)->setFocus();
    f.click(0);
    QCOMPARE(f.lastBox(), u"Please tick at least one workday."_s);
    QCOMPARE(f.settingsBytes(), before);
    QVERIFY(f.handedOver.isEmpty());
}

void TestOptionsDialog::restoreWritesShowsAndHandsOverTheDefaults()
{
    OptionsFixture f(ownSettings);
    f.open();
    retype(f.txt(0), u"8"_s);
    f.click(1);
    f.click(1);
    QCOMPARE(f.boxes.shown().size(), 0);
    QCOMPARE(f.fileValue(u"System"_s, u"Year"_s), u"3"_s);
    QCOMPARE(f.fileValue(u"System"_s, u"Sun"_s), u"N"_s);
    QCOMPARE(f.fileValue(u"List"_s, u"Name"_s), u"Tahoma"_s);
    QCOMPARE(f.fileValue(u"List"_s, u"Finished"_s), u"255"_s);
    // The saved window position stays.
    QCOMPARE(f.fileValue(u"Position"_s, u"Left"_s), u"1500"_s);
    QCOMPARE(f.fileValue(u"Position"_s, u"Width"_s), u"9000"_s);
    // The dialog shows the defaults, its font list holds each font once.
    QCOMPARE(f.txt(0)->text(), u"3"_s);
    QCOMPARE(f.txt(7)->text(), u"1"_s);
    QVERIFY(!f.cbx(0)->isChecked());
    QVERIFY(f.cbx(1)->isChecked());
    QCOMPARE(f.cbb(0)->currentText(), u"Tahoma"_s);
    QCOMPARE(qint32(f.sbt(7)->BackColor()), 255);
    QCOMPARE(rowColour(f.lsv(), 5), colourOf(255));
    QCOMPARE(f.cbb(0)->count(), QFontDatabase::families().size());
    // The main window was told each time, with the record already holding the defaults.
    QCOMPARE(f.handedOver.size(), 2);
    QCOMPARE(f.handedOver[0].value(SettingKey::Year), u"3"_s);
    QCOMPARE(f.handedOver[0].value(SettingKey::Left), u"1500"_s);
    QVERIFY(f.dialog->isVisible());
}

void TestOptionsDialog::restoreBringsBackTheDefaultFont()
{
    OptionsFixture f(ownSettings); // where Tahoma is missing, its stand-in shows, as at a start
    f.open();
    QCOMPARE(QFontInfo(f.lsv()->font()).family(), u"DejaVu Serif"_s);
    f.click(1);
    QCOMPARE(f.lsv()->font().family(), u"Tahoma"_s);
    QCOMPARE(QFontInfo(f.lsv()->font()).family(), QFontInfo(QFont(u"Tahoma"_s)).family());
    QCOMPARE(f.lsv()->font().pointSize(), 9);
}

void TestOptionsDialog::escClosesAfterAButtonHadTheFocus()
{
    for (int button : { 0, 1, 3 }) { // Save, Restore, a colour swatch
        OptionsFixture f(ownSettings);
        f.open();
        QApplication::setActiveWindow(f.dialog.get());
        f.click(button);
        QCOMPARE(QApplication::focusWidget(), f.sbt(button));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!f.dialog->isVisible());
    }
}

void TestOptionsDialog::cancelledColourChangesNothing()
{
    OptionsFixture f(ownSettings);
    f.open();
    const QPalette before = f.lsv()->palette();
    for (int swatch = 3; swatch <= 7; ++swatch)
        f.click(swatch);
    QCOMPARE(f.desktop.calls().count(u"color"_s), 5);
    // Each chooser opened at its swatch's colour.
    QCOMPARE(f.desktop.initialColors(), (QList<qint32> { 65280, 128, 32768, 8388608, 16776960 }));
    QCOMPARE(qint32(f.sbt(3)->BackColor()), 65280);
    QCOMPARE(qint32(f.sbt(7)->BackColor()), 16776960);
    QCOMPARE(f.lsv()->palette().color(QPalette::Base), before.color(QPalette::Base));
    QCOMPARE(rowColour(f.lsv(), 5), colourOf(16776960));
}

void TestOptionsDialog::chosenColourShowsInThePreview_data()
{
    QTest::addColumn<int>("swatch");
    QTest::newRow("background") << 3;
    QTest::newRow("general") << 4;
    QTest::newRow("future") << 5;
    QTest::newRow("paused") << 6;
    QTest::newRow("finished") << 7;
}

void TestOptionsDialog::chosenColourShowsInThePreview()
{
    QFETCH(int, swatch);
    OptionsFixture f(ownSettings);
    f.open();
    const QByteArray before = f.settingsBytes();
    const qint32 chosen = 0x00102030;
    f.desktop.queueColor(chosen);
    f.click(swatch);
    QCOMPARE(qint32(f.sbt(swatch)->BackColor()), chosen);
    const ReportList* list = f.lsv();
    const QColor expected = colourOf(chosen);
    QCOMPARE(list->palette().color(QPalette::Base) == expected, swatch == 3);
    QCOMPARE(list->palette().color(QPalette::Text) == expected, swatch == 4);
    QCOMPARE(rowColour(list, 1) == expected, swatch == 5);
    QCOMPARE(rowColour(list, 3) == expected, swatch == 6);
    QCOMPARE(rowColour(list, 5) == expected, swatch == 7);
    // Nothing is written until Save.
    QCOMPARE(f.settingsBytes(), before);
    QVERIFY(f.handedOver.isEmpty());
}

void TestOptionsDialog::fontChoicesRestyleThePreviewOnly()
{
    OptionsFixture f;
    f.open();
    const QByteArray before = f.settingsBytes();
    QComboBox* size = f.cbb(1);
    size->setFocus();
    size->setCurrentIndex(0);
    // Choosing from the list, as the arrow keys do on a closed combo box.
    for (int step = 0; step < 6; ++step)
        QTest::keyClick(size, Qt::Key_Down);
    QCOMPARE(size->currentText(), u"14"_s);
    QCOMPARE(f.lsv()->font().pointSizeF(), 14.0);
    const QStringList families = QFontDatabase::families();
    if (families.size() > 1) {
        QComboBox* name = f.cbb(0);
        name->setFocus();
        name->setCurrentIndex(0);
        QTest::keyClick(name, Qt::Key_Down);
        QCOMPARE(f.lsv()->font().family(), families[1]);
        QCOMPARE(f.lsv()->font().pointSizeF(), 14.0);
    }
    // Typing a size is not choosing one.
    size->lineEdit()->selectAll();
    QTest::keyClicks(size->lineEdit(), u"8"_s);
    QCOMPARE(f.lsv()->font().pointSizeF(), 14.0);
    QCOMPARE(f.settingsBytes(), before);
    QVERIFY(f.handedOver.isEmpty());
}

void TestOptionsDialog::emptyFontNameShowsAndSavesTahoma()
{
    QByteArray settings = ownSettings;
    settings.replace("Name=DejaVu Serif", "Name=");
    OptionsFixture f(settings);
    f.open();
    QCOMPARE(f.cbb(0)->currentText(), u"Tahoma"_s);
    f.click(0);
    QCOMPARE(f.fileValue(u"List"_s, u"Name"_s), u"Tahoma"_s);
    QCOMPARE(f.program->settings().value(SettingKey::Name), u"Tahoma"_s);
}

void TestOptionsDialog::closeWritesNothingAndReopenReloads()
{
    OptionsFixture f(ownSettings);
    f.open();
    const QByteArray before = f.settingsBytes();
    retype(f.txt(2), u"0"_s);
    tick(f.cbx(0));
    f.desktop.queueColor(0);
    f.click(3);
    f.click(2);
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.settingsBytes(), before);
    QVERIFY(f.handedOver.isEmpty());
    f.open();
    QCOMPARE(f.txt(2)->text(), u"3"_s);
    QVERIFY(f.cbx(0)->isChecked());
    QCOMPARE(qint32(f.sbt(3)->BackColor()), 65280);
}

void TestOptionsDialog::unknownWorkdayFlagOpensClear()
{
    QByteArray settings = ownSettings;
    settings.replace("Sun=Y", "Sun=yes");
    OptionsFixture f(settings);
    f.open();
    QVERIFY(!f.cbx(0)->isChecked());
    // Restore leaves a box the defaults do not name as it was; the defaults name every day.
    tick(f.cbx(0));
    f.click(1);
    QVERIFY(!f.cbx(0)->isChecked());
}

void TestOptionsDialog::failedWriteReported()
{
    OptionsFixture f(ownSettings);
    QVERIFY(QFile::setPermissions(f.settingsPath(), QFile::ReadOwner | QFile::ReadGroup));
    f.open();
    const QByteArray before = f.settingsBytes();
    retype(f.txt(0), u"0"_s);
    f.click(0);
    QCOMPARE(f.boxes.shown().size(), 1);
    QCOMPARE(f.boxes.shown().constLast().icon, MessageBoxes::Icon::Warning);
    QVERIFY(f.lastBox().contains(QDir::toNativeSeparators(f.settingsPath())));
    QCOMPARE(f.settingsBytes(), before);
    // The main window follows the file, which still holds the old values; the input stays.
    QCOMPARE(f.handedOver.size(), 1);
    QCOMPARE(f.handedOver[0].value(SettingKey::Year), u"1"_s);
    QCOMPARE(f.txt(0)->text(), u"0"_s);

    f.click(1);
    QCOMPARE(f.boxes.shown().size(), 2);
    QCOMPARE(f.boxes.shown().constLast().icon, MessageBoxes::Icon::Warning);
    QCOMPARE(f.settingsBytes(), before);
    // Restore shows what the file holds, not defaults that were never written.
    QCOMPARE(f.txt(0)->text(), u"1"_s);
}

void TestOptionsDialog::openModalRunsUntilClosed()
{
    OptionsFixture f(ownSettings);
    f.program->settings().setValue(SettingKey::Refresh, u"42"_s);
    bool shownModal = false;
    QString refresh;
    QTimer::singleShot(0, f.dialog.get(), [&] {
        shownModal = QApplication::activeModalWidget() == f.dialog.get();
        refresh = f.txt(7)->text();
        f.click(2);
    });
    QCOMPARE(f.dialog->openModal(), int(QDialog::Rejected));
    QVERIFY(shownModal);
    QCOMPARE(refresh, u"42"_s);
}

QTEST_MAIN(TestOptionsDialog)
#include "test_options_dialog.moc"
