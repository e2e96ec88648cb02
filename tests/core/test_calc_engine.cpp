// The calculator's shifts in tables: by every unit, at the ends of the range, over leap days
// and month ends.
#include "core/CalcRange.h"
#include "core/ShiftCalc.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Moment moment(const QString& text)
{
    const auto value = Moment::parse(text);
    if (!value)
        qFatal("not a moment: %s", qPrintable(text));
    return *value;
}

TimeUnit unitNamed(const QString& name)
{
    for (TimeUnit unit : allTimeUnits) {
        if (name == QLatin1String(unitHeader(unit)))
            return unit;
    }
    qFatal("no unit %s", qPrintable(name));
}

} // namespace

class TestCalcEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shift_data();
    void shift();
    void refusedAtTheRoomItself_data();
    void refusedAtTheRoomItself();
};

void TestCalcEngine::shift_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("add");
    QTest::addColumn<qint64>("quantity");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("result"); // empty: refused

    QTest::newRow("1 day") << u"2024/05/01 10:00:00"_s << true << 1LL << u"Days"_s
                           << u"2024/05/02 10:00:00"_s;
    QTest::newRow("0 days") << u"2024/05/01 10:00:00"_s << true << 0LL << u"Days"_s
                            << u"2024/05/01 10:00:00"_s;
    QTest::newRow("31 January + 1 month")
        << u"2024/01/31 13:14:15"_s << true << 1LL << u"Months"_s << u"2024/02/29 13:14:15"_s;
    QTest::newRow("31 January 2023 + 1 month")
        << u"2023/01/31 00:00:00"_s << true << 1LL << u"Months"_s << u"2023/02/28 00:00:00"_s;
    QTest::newRow("31 March - 1 month")
        << u"2024/03/31 06:00:00"_s << false << 1LL << u"Months"_s << u"2024/02/29 06:00:00"_s;
    QTest::newRow("31 May - 15 months")
        << u"2024/05/31 00:00:00"_s << false << 15LL << u"Months"_s << u"2023/02/28 00:00:00"_s;
    QTest::newRow("29 February + 1 year")
        << u"2024/02/29 12:00:00"_s << true << 1LL << u"Years"_s << u"2025/02/28 12:00:00"_s;
    QTest::newRow("29 February + 4 years")
        << u"2024/02/29 12:00:00"_s << true << 4LL << u"Years"_s << u"2028/02/29 12:00:00"_s;
    QTest::newRow("29 February 2000 + 100 years")
        << u"2000/02/29 00:00:00"_s << true << 100LL << u"Years"_s << u"2100/02/28 00:00:00"_s;
    QTest::newRow("2 weeks back over 29 February")
        << u"2024/03/07 00:00:00"_s << false << 2LL << u"Weeks"_s << u"2024/02/22 00:00:00"_s;
    QTest::newRow("25 hours") << u"2024/02/28 23:30:00"_s << true << 25LL << u"Hours"_s
                              << u"2024/03/01 00:30:00"_s;
    QTest::newRow("90 minutes back") << u"2024/01/01 00:30:00"_s << false << 90LL << u"Minutes"_s
                                     << u"2023/12/31 23:00:00"_s;
    QTest::newRow("largest quantity of seconds")
        << u"2000/01/01 00:00:00"_s << true << 2147483647LL << u"Seconds"_s << u"2068/01/19 03:14:07"_s;
    QTest::newRow("above 32 bits") << u"2000/01/01 00:00:00"_s << true << 2147483648LL << u"Seconds"_s
                                   << QString();
    QTest::newRow("2 s before the end + 1 s")
        << u"9999/12/31 23:59:57"_s << true << 1LL << u"Seconds"_s << u"9999/12/31 23:59:58"_s;
    QTest::newRow("reaching the last moment")
        << u"9999/12/31 23:59:58"_s << true << 1LL << u"Seconds"_s << QString();
    QTest::newRow("2 s after the start - 1 s")
        << u"1601/01/01 00:00:02"_s << false << 1LL << u"Seconds"_s << u"1601/01/01 00:00:01"_s;
    QTest::newRow("reaching the first moment")
        << u"1601/01/01 00:00:01"_s << false << 1LL << u"Seconds"_s << QString();
    QTest::newRow("day before the end + 1 day")
        << u"9999/12/30 23:59:58"_s << true << 1LL << u"Days"_s << u"9999/12/31 23:59:58"_s;
    QTest::newRow("first date - 1 day") << u"1601/01/01 00:00:00"_s << false << 1LL << u"Days"_s << QString();
    QTest::newRow("first date - 0 days")
        << u"1601/01/01 00:00:00"_s << false << 0LL << u"Days"_s << QString();
    QTest::newRow("last moment + 0 s")
        << u"9999/12/31 23:59:59"_s << true << 0LL << u"Seconds"_s << QString();
    QTest::newRow("last year + 1 year") << u"9999/01/01 00:00:00"_s << true << 1LL << u"Years"_s << QString();
    QTest::newRow("1602 - 1 year, short of 365.25 days")
        << u"1602/01/01 00:00:00"_s << false << 1LL << u"Years"_s << QString();
    QTest::newRow("mid 1602 - 1 year")
        << u"1602/06/01 00:00:00"_s << false << 1LL << u"Years"_s << u"1601/06/01 00:00:00"_s;
    QTest::newRow("7998 years back to 2001")
        << u"9999/12/31 00:00:00"_s << false << 7998LL << u"Years"_s << u"2001/12/31 00:00:00"_s;
    // December is longer than the average month: the calendar result is checked as well.
    QTest::newRow("9999/12/01 12:00 + 1 month")
        << u"9999/12/01 12:00:00"_s << true << 1LL << u"Months"_s << QString();
    QTest::newRow("9999/11/01 + 2 months")
        << u"9999/11/01 00:00:00"_s << true << 2LL << u"Months"_s << QString();
    QTest::newRow("9999/11/30 + 1 month")
        << u"9999/11/30 00:00:00"_s << true << 1LL << u"Months"_s << u"9999/12/30 00:00:00"_s;
    QTest::newRow("1601/01/31 12:00 - 1 month")
        << u"1601/01/31 12:00:00"_s << false << 1LL << u"Months"_s << QString();
    QTest::newRow("1601/03/31 - 1 month")
        << u"1601/03/31 00:00:00"_s << false << 1LL << u"Months"_s << u"1601/02/28 00:00:00"_s;
}

void TestCalcEngine::shift()
{
    QFETCH(QString, base);
    QFETCH(bool, add);
    QFETCH(qint64, quantity);
    QFETCH(QString, unit);
    QFETCH(QString, result);
    const auto shifted = shiftMoment({ moment(base), add, quantity, unitNamed(unit) });
    QCOMPARE(shifted ? shifted->toText() : QString(), result);
    if (shifted)
        QVERIFY(CalcRange::contains(*shifted));
}

void TestCalcEngine::refusedAtTheRoomItself_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<qint64>("unitSeconds");
    QTest::newRow("weeks") << u"Weeks"_s << 604800LL;
    QTest::newRow("days") << u"Days"_s << 86400LL;
    QTest::newRow("hours") << u"Hours"_s << 3600LL;
    QTest::newRow("minutes") << u"Minutes"_s << 60LL;
    QTest::newRow("seconds") << u"Seconds"_s << 1LL;
}

// A quantity exactly equal to the room is refused; one less is the end of the range itself
// less one unit, which is accepted.
void TestCalcEngine::refusedAtTheRoomItself()
{
    QFETCH(QString, unit);
    QFETCH(qint64, unitSeconds);
    const qint64 room = 5;
    const auto fromEnd = Moment::fromSeconds(CalcRange::latest().secondsSinceEpoch() - room * unitSeconds);
    const auto fromStart
        = Moment::fromSeconds(CalcRange::earliest().secondsSinceEpoch() + room * unitSeconds);
    QVERIFY(!shiftMoment({ *fromEnd, true, room, unitNamed(unit) }));
    QVERIFY(!shiftMoment({ *fromStart, false, room, unitNamed(unit) }));
    QCOMPARE(shiftMoment({ *fromEnd, true, room - 1, unitNamed(unit) })->secondsSinceEpoch(),
        CalcRange::latest().secondsSinceEpoch() - unitSeconds);
    QCOMPARE(shiftMoment({ *fromStart, false, room - 1, unitNamed(unit) })->secondsSinceEpoch(),
        CalcRange::earliest().secondsSinceEpoch() + unitSeconds);
}

QTEST_GUILESS_MAIN(TestCalcEngine)
#include "test_calc_engine.moc"
