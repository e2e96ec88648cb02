// The calculator's view model: the texts of the span boxes in the settings' decimals and the
// user's locale, and the outcome of a shift from the texts of the window's inputs.
#include "models/CalcViewModel.h"
#include "tests/models/DefaultSettings.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "Day=3 Sat=Y": settings changed from the defaults, by key name.
Settings settingsWith(const QString& changes)
{
    Settings settings = defaultSettings();
    for (const QString& change : changes.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = change.section(u'=', 0, 0);
        for (int index = 0; index < settingCount; ++index) {
            if (key == QLatin1String(settingDefinition(SettingKey(index)).key))
                settings.setValue(SettingKey(index), change.section(u'=', 1));
        }
    }
    return settings;
}

SpanInput spanInput(const QString& begin, const QString& end)
{
    const auto dateTime
        = [](const QString& text) { return QDateTime::fromString(text, u"yyyy/MM/dd HH:mm:ss"_s); };
    return { dateTime(begin).date(), dateTime(begin).time(), dateTime(end).date(), dateTime(end).time() };
}

} // namespace

class TestCalcViewModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void spanTexts_data();
    void spanTexts();
    void invalidPickerLeavesBoxes();
    void shift_data();
    void shift();
};

void TestCalcViewModel::spanTexts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("begin");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("units"); // the seven boxes joined by "|"; "-" where a box keeps its text
    QTest::addColumn<QString>("workdays");
    QTest::addColumn<QString>("weekdays"); // Sunday first

    QTest::newRow("equal on a Wednesday")
        << u"C"_s << QString() << u"2024/05/01 10:00:00"_s << u"2024/05/01 10:00:00"_s
        << u"0.000|0.000|0.00|0.00|0.00|0.0|0."_s << u"1"_s << u"0 0 0 1 0 0 0"_s;
    QTest::newRow("equal on a Sunday")
        << u"C"_s << QString() << u"2024/05/05 10:00:00"_s << u"2024/05/05 10:00:00"_s
        << u"0.000|0.000|0.00|0.00|0.00|0.0|0."_s << u"0"_s << u"1 0 0 0 0 0 0"_s;
    QTest::newRow("Monday 08:00 to Friday 17:00")
        << u"C"_s << u"Day=3"_s << u"2024/05/06 08:00:00"_s << u"2024/05/10 17:00:00"_s
        << u"0.012|0.144|0.63|4.375|105.00|6300.0|378000."_s << u"5"_s << u"0 1 1 1 1 1 0"_s;
    QTest::newRow("swapped") << u"C"_s << u"Day=3"_s << u"2024/05/10 17:00:00"_s << u"2024/05/06 08:00:00"_s
                             << u"-0.012|-0.144|-0.63|-4.375|-105.00|-6300.0|-378000."_s << u"-5"_s
                             << u"0 1 1 1 1 1 0"_s;
    QTest::newRow("23:00 to 01:00") << u"C"_s << u"Day=3"_s << u"2024/05/06 23:00:00"_s
                                    << u"2024/05/07 01:00:00"_s
                                    << u"0.000|0.003|0.01|0.083|2.00|120.0|7200."_s << u"2"_s
                                    << u"0 1 1 0 0 0 0"_s;
    QTest::newRow("40 hours, days without decimals")
        << u"C"_s << u"Day=0"_s << u"2024/05/01 00:00:00"_s << u"2024/05/02 16:00:00"_s
        << u"0.005|0.055|0.24|2.|40.00|2400.0|144000."_s << u"2"_s << u"0 0 0 1 1 0 0"_s;
    QTest::newRow("German decimal comma, no grouping")
        << u"de_DE"_s << u"Day=3"_s << u"2024/05/06 08:00:00"_s << u"2024/05/10 17:00:00"_s
        << u"0,012|0,144|0,63|4,375|105,00|6300,0|378000,"_s << u"5"_s << u"0 1 1 1 1 1 0"_s;
    QTest::newRow("unusable decimals keep their boxes")
        << u"C"_s << u"Year=x Week= Second=-1"_s << u"2024/05/06 08:00:00"_s << u"2024/05/10 17:00:00"_s
        << u"-|0.144|-|4.38|105.00|6300.0|-"_s << u"5"_s << u"0 1 1 1 1 1 0"_s;
    QTest::newRow("Saturday a workday, Monday not")
        << u"C"_s << u"Sat=Y Mon=N"_s << u"2024/05/06 08:00:00"_s << u"2024/05/11 08:00:00"_s
        << u"0.014|0.164|0.71|5.00|120.00|7200.0|432000."_s << u"5"_s << u"0 1 1 1 1 1 1"_s;
    QTest::newRow("eight hours back keeps its sign at 0")
        << u"C"_s << u"Day=0"_s << u"2024/01/01 00:00:00"_s << u"2023/12/31 16:00:00"_s
        << u"-0.001|-0.011|-0.05|-0.|-8.00|-480.0|-28800."_s << u"-1"_s << u"1 1 0 0 0 0 0"_s;
    QTest::newRow("whole range") << u"C"_s << u"Year=0 Month=0 Week=0 Day=0 Hour=0 Minute=0"_s
                                 << u"1601/01/01 00:00:00"_s << u"9999/12/31 23:59:59"_s
                                 << u"8399.|100786.|438239.|3067671.|73624104.|4417446240.|265046774399."_s
                                 << u"2191195"_s << u"438238 438239 438239 438239 438239 438239 438238"_s;
}

void TestCalcViewModel::spanTexts()
{
    QFETCH(QString, locale);
    QFETCH(QString, settings);
    QFETCH(QString, begin);
    QFETCH(QString, end);
    QFETCH(QString, units);
    QFETCH(QString, workdays);
    QFETCH(QString, weekdays);
    const Settings record = settingsWith(settings);
    const CalcViewModel model(record, QLocale(locale));
    const auto texts = model.span(spanInput(begin, end));
    QVERIFY(texts);
    QStringList shown;
    for (const auto& text : texts->units)
        shown << text.value_or(u"-"_s);
    QCOMPARE(shown.join(u'|'), units);
    QCOMPARE(texts->workdays, workdays);
    QCOMPARE(QStringList(texts->weekdays.begin(), texts->weekdays.end()).join(u' '), weekdays);
}

void TestCalcViewModel::invalidPickerLeavesBoxes()
{
    const Settings record = defaultSettings();
    const CalcViewModel model(record, QLocale::c());
    QVERIFY(!model.span({ QDate(), QTime(10, 0), QDate(2024, 5, 1), QTime(10, 0) }));
    QVERIFY(!model.span({ QDate(2024, 5, 1), QTime(10, 0), QDate(2024, 5, 1), QTime() }));
}

void TestCalcViewModel::shift_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("add");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("outcome"); // the result, "OUT key" or "unchanged"

    QTest::newRow("1 day") << u"2024/05/01 10:00:00"_s << true << u"1"_s << u"Days"_s
                           << u"2024/05/02 10:00:00"_s;
    QTest::newRow("empty quantity is 0")
        << u"2024/05/01 10:00:00"_s << true << QString() << u"Days"_s << u"2024/05/01 10:00:00"_s;
    QTest::newRow("leading zeros") << u"2024/05/01 10:00:00"_s << false << u"007"_s << u"Days"_s
                                   << u"2024/04/24 10:00:00"_s;
    QTest::newRow("31 January + 1 month")
        << u"2024/01/31 10:00:00"_s << true << u"1"_s << u"Months"_s << u"2024/02/29 10:00:00"_s;
    QTest::newRow("not digits") << u"2024/05/01 10:00:00"_s << true << u"-1"_s << u"Days"_s << u"unchanged"_s;
    QTest::newRow("unknown unit") << u"2024/05/01 10:00:00"_s << true << u"1"_s << u"Fortnights"_s
                                  << u"unchanged"_s;
    QTest::newRow("too many digits") << u"2024/05/01 10:00:00"_s << true << u"99999999999999999999999"_s
                                     << u"Seconds"_s << u"OUT QTY BIG"_s;
    QTest::newRow("largest quantity")
        << u"2024/05/01 10:00:00"_s << true << u"2147483647"_s << u"Seconds"_s << u"2092/05/19 13:14:07"_s;
    QTest::newRow("one above the largest")
        << u"2024/05/01 10:00:00"_s << true << u"2147483648"_s << u"Seconds"_s << u"OUT QTY BIG"_s;
    QTest::newRow("years out") << u"2024/05/01 10:00:00"_s << true << u"7976"_s << u"Years"_s
                               << u"OUT YEAR OUT"_s;
    QTest::newRow("months out") << u"9999/12/01 12:00:00"_s << true << u"1"_s << u"Months"_s
                                << u"OUT MONTH OUT"_s;
    QTest::newRow("weeks out") << u"1601/01/07 00:00:00"_s << false << u"1"_s << u"Weeks"_s
                               << u"OUT WEEK OUT"_s;
    QTest::newRow("days out") << u"1601/01/01 00:00:00"_s << false << u"1"_s << u"Days"_s << u"OUT DAY OUT"_s;
    QTest::newRow("0 days out") << u"1601/01/01 00:00:00"_s << false << QString() << u"Days"_s
                                << u"OUT BASE AT END"_s;
    QTest::newRow("hours out") << u"9999/12/31 23:00:00"_s << true << u"1"_s << u"Hours"_s
                               << u"OUT HOUR OUT"_s;
    QTest::newRow("minutes out") << u"9999/12/31 23:59:00"_s << true << u"1"_s << u"Minutes"_s
                                 << u"OUT MIN OUT"_s;
    QTest::newRow("seconds out") << u"9999/12/31 23:58:59"_s << true << u"60"_s << u"Seconds"_s
                                 << u"OUT SECOND OUT"_s;
    QTest::newRow("0 seconds at the end")
        << u"9999/12/31 23:59:59"_s << true << u"0"_s << u"Seconds"_s << u"OUT BASE AT END"_s;
}

void TestCalcViewModel::shift()
{
    QFETCH(QString, base);
    QFETCH(bool, add);
    QFETCH(QString, quantity);
    QFETCH(QString, unit);
    QFETCH(QString, outcome);
    const Settings record = defaultSettings();
    const CalcViewModel model(record, QLocale::c());
    const QDateTime based = QDateTime::fromString(base, u"yyyy/MM/dd HH:mm:ss"_s);
    const ShiftOutcome result = model.shift({ based.date(), based.time(), add, quantity, unit });
    QString shown;
    switch (result.status) {
    case ShiftOutcome::Status::Shifted:
        shown = result.date.toString(u"yyyy/MM/dd"_s) % u' ' % result.time.toString(u"HH:mm:ss"_s);
        break;
    case ShiftOutcome::Status::OutOfRange:
        shown = u"OUT "_s % result.messageKey;
        break;
    case ShiftOutcome::Status::Unchanged:
        shown = u"unchanged"_s;
        break;
    }
    QCOMPARE(shown, outcome);
}

QTEST_GUILESS_MAIN(TestCalcViewModel)
#include "test_calc_view_model.moc"
