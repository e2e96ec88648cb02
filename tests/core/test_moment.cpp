#include "core/Moment.h"

#include <QDateTime>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMoment : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesWhatPeopleType_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");

        QTest::newRow("standard") << u"2010/01/01 12:00:00"_s << u"2010/01/01 12:00:00"_s;
        QTest::newRow("one-digit month and day") << u"2010/1/1 12:00:00"_s << u"2010/01/01 12:00:00"_s;
        QTest::newRow("dashes") << u"1975-09-21 00:00:00"_s << u"1975/09/21 00:00:00"_s;
        QTest::newRow("date only") << u"2026/3/4"_s << u"2026/03/04 00:00:00"_s;
        QTest::newRow("no seconds") << u"2026/03/04 9:05"_s << u"2026/03/04 09:05:00"_s;
        QTest::newRow("one-digit hour") << u"2026/03/04 7:08:09"_s << u"2026/03/04 07:08:09"_s;
        QTest::newRow("blanks around") << u"  2026/03/04 07:08:09 "_s << u"2026/03/04 07:08:09"_s;
        QTest::newRow("leap day") << u"2024/02/29 23:59:59"_s << u"2024/02/29 23:59:59"_s;
        QTest::newRow("first supported") << u"0100/01/01 00:00:00"_s << u"0100/01/01 00:00:00"_s;
        QTest::newRow("last supported") << u"9999/12/31 23:59:59"_s << u"9999/12/31 23:59:59"_s;
    }
    void parsesWhatPeopleType()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        const auto moment = Moment::parse(typed);
        QVERIFY(moment);
        QCOMPARE(moment->toText(), stored);
        // The stored form reads back to the same moment.
        QCOMPARE(Moment::parse(moment->toText()), moment);
    }

    void refusesWhatIsNotAMoment_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("words") << u"tomorrow"_s;
        QTest::newRow("no leap day") << u"2023/02/29 00:00:00"_s;
        QTest::newRow("month 13") << u"2023/13/01"_s;
        QTest::newRow("day 0") << u"2023/01/00"_s;
        QTest::newRow("hour 24") << u"2023/01/01 24:00:00"_s;
        QTest::newRow("minute 60") << u"2023/01/01 12:60:00"_s;
        QTest::newRow("mixed separators") << u"2023/01-01"_s;
        QTest::newRow("trailing text") << u"2023/01/01 12:00:00 x"_s;
        QTest::newRow("before year 100") << u"0099/12/31 23:59:59"_s;
        QTest::newRow("five-digit year") << u"10000/01/01"_s;
        QTest::newRow("hour without minutes") << u"2023/01/01 12"_s;
        QTest::newRow("tab instead of blank") << u"2023/01/01\t12:00:00"_s;
    }
    void refusesWhatIsNotAMoment()
    {
        QFETCH(QString, text);
        QVERIFY(!Moment::parse(text));
    }

    void civilFieldsRoundTrip_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("dayOfWeek");
        QTest::newRow("1601 new year, a Monday") << 1601 << 1 << 1 << 2;
        QTest::newRow("1975/09/21, a Sunday") << 1975 << 9 << 21 << 1;
        QTest::newRow("2000/02/29, a Tuesday") << 2000 << 2 << 29 << 3;
        QTest::newRow("2026/12/07, a Monday") << 2026 << 12 << 7 << 2;
        QTest::newRow("9999/12/31, a Friday") << 9999 << 12 << 31 << 6;
    }
    void civilFieldsRoundTrip()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, dayOfWeek);
        const auto moment = Moment::fromCivil(year, month, day, 13, 14, 15);
        QVERIFY(moment);
        QCOMPARE(moment->year(), year);
        QCOMPARE(moment->month(), month);
        QCOMPARE(moment->day(), day);
        QCOMPARE(moment->hour(), 13);
        QCOMPARE(moment->minute(), 14);
        QCOMPARE(moment->second(), 15);
        QCOMPARE(moment->dayOfWeek(), dayOfWeek);
        QCOMPARE(Moment::fromSeconds(moment->secondsSinceEpoch()), moment);
    }

    void textsSortInTimeOrder()
    {
        const auto a = Moment::parse(u"0999/12/31 23:59:59");
        const auto b = Moment::parse(u"1000/01/01 00:00:00");
        QVERIFY(a && b);
        QVERIFY(*a < *b);
        QVERIFY(a->toText() < b->toText());
    }

    void takesWallClockFieldsOfADateTime()
    {
        const QDateTime local(QDate(2026, 3, 29), QTime(2, 30, 15, 999));
        const auto moment = Moment::fromDateTime(local);
        QVERIFY(moment);
        QCOMPARE(moment->toText(), u"2026/03/29 02:30:15"_s);
    }

    void refusesSecondsOutsideTheRange()
    {
        const auto last = Moment::parse(u"9999/12/31 23:59:59");
        QVERIFY(last);
        QVERIFY(!Moment::fromSeconds(last->secondsSinceEpoch() + 1));
        QVERIFY(!Moment::fromSeconds(-1));
    }
};

QTEST_GUILESS_MAIN(TestMoment)
#include "test_moment.moc"
