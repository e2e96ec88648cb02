// The calculator's closed-form weekday and workday counts: in tables over leap days and the
// ends of the range, and against a day-by-day walk over many ranges.
#include "core/SpanCalc.h"
#include "core/WeekdayCount.h"
#include "tests/core/DayByDayWalk.h"

#include <QRandomGenerator>
#include <QTest>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

const std::array<bool, 7> mondayToFriday = { false, true, true, true, true, true, false };

Moment at(const QDate& date, int hour = 0)
{
    return *Moment::fromCivil(date.year(), date.month(), date.day(), hour);
}

std::int64_t total(const WeekdayCount& count)
{
    return std::accumulate(count.perWeekday.begin(), count.perWeekday.end(), std::int64_t(0));
}

std::array<bool, 7> flagsFromBits(unsigned bits)
{
    std::array<bool, 7> flags {};
    for (int day = 0; day < 7; ++day)
        flags[size_t(day)] = bits & (1u << day);
    return flags;
}

} // namespace

class TestCalcWeekdays : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownRanges_data();
    void knownRanges();
    void agreesWithWalk_data();
    void agreesWithWalk();
    void wholeRangeAgreesWithWalk();
    void workdaySignFollowsTheDates_data();
    void workdaySignFollowsTheDates();
};

void TestCalcWeekdays::knownRanges_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<qint64>("workdays"); // Monday to Friday

    QTest::newRow("one Wednesday") << QDate(2024, 5, 1) << QDate(2024, 5, 1) << 1LL << 1LL;
    QTest::newRow("one Sunday") << QDate(2024, 5, 5) << QDate(2024, 5, 5) << 1LL << 0LL;
    QTest::newRow("Monday to Friday") << QDate(2024, 5, 6) << QDate(2024, 5, 10) << 5LL << 5LL;
    QTest::newRow("Friday to Monday") << QDate(2024, 5, 10) << QDate(2024, 5, 13) << 4LL << 2LL;
    QTest::newRow("over 2024/02/29") << QDate(2024, 2, 28) << QDate(2024, 3, 1) << 3LL << 3LL;
    QTest::newRow("2023 has no 02/29") << QDate(2023, 2, 28) << QDate(2023, 3, 1) << 2LL << 2LL;
    QTest::newRow("1900 has no 02/29") << QDate(1900, 2, 28) << QDate(1900, 3, 1) << 2LL << 2LL;
    QTest::newRow("2000 has 02/29") << QDate(2000, 2, 28) << QDate(2000, 3, 1) << 3LL << 3LL;
    QTest::newRow("leap year 2024") << QDate(2024, 1, 1) << QDate(2024, 12, 31) << 366LL << 262LL;
    QTest::newRow("first date, a Monday") << QDate(1601, 1, 1) << QDate(1601, 1, 1) << 1LL << 1LL;
    QTest::newRow("last date, a Friday") << QDate(9999, 12, 31) << QDate(9999, 12, 31) << 1LL << 1LL;
    QTest::newRow("last week") << QDate(9999, 12, 25) << QDate(9999, 12, 31) << 7LL << 5LL;
    QTest::newRow("whole range") << QDate(1601, 1, 1) << QDate(9999, 12, 31) << 3067671LL << 2191195LL;
}

void TestCalcWeekdays::knownRanges()
{
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(qint64, days);
    QFETCH(qint64, workdays);
    for (const bool swapped : { false, true }) {
        // Times of day play no part, in either order.
        const WeekdayCount count
            = swapped ? countWeekdays(at(last, 1), at(first, 23)) : countWeekdays(at(first, 23), at(last, 1));
        QCOMPARE(total(count), days);
        QCOMPARE(count.workdays(mondayToFriday), workdays);
    }
}

void TestCalcWeekdays::agreesWithWalk_data()
{
    QTest::addColumn<qint64>("maxLength");
    QTest::addColumn<int>("ranges");
    QTest::newRow("up to two weeks") << 14LL << 3000;
    QTest::newRow("up to ten years") << 3653LL << 400;
}

void TestCalcWeekdays::agreesWithWalk()
{
    QFETCH(qint64, maxLength);
    QFETCH(int, ranges);
    QRandomGenerator random(20240501); // the same ranges on every run
    const qint64 firstDay = QDate(1601, 1, 1).toJulianDay();
    const qint64 lastDay = QDate(9999, 12, 31).toJulianDay();
    for (int i = 0; i < ranges; ++i) {
        const qint64 length = random.bounded(maxLength + 1);
        // Some ranges start or end on the first or last date of the range.
        qint64 start = firstDay + qint64(random.bounded(double(lastDay - firstDay - length)));
        if (i % 50 == 0)
            start = firstDay;
        else if (i % 50 == 1)
            start = lastDay - length;
        const QDate one = QDate::fromJulianDay(start);
        const QDate other = QDate::fromJulianDay(start + length);
        const bool swapped = random.bounded(2) == 1;
        const std::array<bool, 7> flags = flagsFromBits(random.bounded(128u));

        const WeekdayCount walked = walkWeekdays(one, other);
        const WeekdayCount counted
            = swapped ? countWeekdays(at(other, 5), at(one, 17)) : countWeekdays(at(one, 17), at(other, 5));
        const QByteArray where
            = one.toString(u"yyyy/MM/dd").toLatin1() + " to " + other.toString(u"yyyy/MM/dd").toLatin1();
        QVERIFY2(counted.perWeekday == walked.perWeekday, where.constData());
        QVERIFY2(counted.workdays(flags) == walked.workdays(flags), where.constData());
    }
}

void TestCalcWeekdays::wholeRangeAgreesWithWalk()
{
    const QDate first(1601, 1, 1);
    const QDate last(9999, 12, 31);
    const WeekdayCount walked = walkWeekdays(first, last);
    const WeekdayCount counted = countWeekdays(at(first), at(last));
    QVERIFY(counted.perWeekday == walked.perWeekday);
    for (unsigned bits : { 0u, 1u, 62u, 127u })
        QCOMPARE(counted.workdays(flagsFromBits(bits)), walked.workdays(flagsFromBits(bits)));
}

void TestCalcWeekdays::workdaySignFollowsTheDates_data()
{
    QTest::addColumn<QString>("begin");
    QTest::addColumn<QString>("end");
    QTest::addColumn<qint64>("workdays");
    QTest::newRow("forward") << u"2024/05/06 08:00:00"_s << u"2024/05/10 17:00:00"_s << 5LL;
    QTest::newRow("back") << u"2024/05/10 17:00:00"_s << u"2024/05/06 08:00:00"_s << -5LL;
    QTest::newRow("one date, end earlier in the day")
        << u"2024/05/06 17:00:00"_s << u"2024/05/06 08:00:00"_s << 1LL;
    QTest::newRow("one second back over midnight")
        << u"2024/05/07 00:00:00"_s << u"2024/05/06 23:59:59"_s << -2LL;
    QTest::newRow("back over a weekend") << u"2024/05/13 00:00:00"_s << u"2024/05/11 00:00:00"_s << -1LL;
    QTest::newRow("back over a weekend only") << u"2024/05/12 00:00:00"_s << u"2024/05/11 00:00:00"_s << 0LL;
}

void TestCalcWeekdays::workdaySignFollowsTheDates()
{
    QFETCH(QString, begin);
    QFETCH(QString, end);
    QFETCH(qint64, workdays);
    const SpanResult span = computeSpan(*Moment::parse(begin), *Moment::parse(end), mondayToFriday);
    QCOMPARE(span.workdays, workdays);
    for (std::int64_t count : span.weekdays.perWeekday)
        QVERIFY(count >= 0);
}

QTEST_GUILESS_MAIN(TestCalcWeekdays)
#include "test_calc_weekdays.moc"
