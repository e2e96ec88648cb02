#include "core/WorkRecord.h"
#include "exchange/DataTable.h"
#include "exchange/ListTables.h"
#include "exchange/PeriodReport.h"
#include "exchange/TableWriters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Moment at(const char* text)
{
    return *Moment::parse(QString::fromLatin1(text));
}

const UnitDecimals defaults = { 3, 3, 2, 2, 2, 1, 0 };

WorkRecord work(const QString& name, const QString& status, const QString& began, const QString& used)
{
    WorkRecord record;
    record.name = name;
    record.status = status;
    record.began = began;
    record.usedSeconds = used;
    if (status == WorkStatus::finished)
        record.finished = began;
    return record;
}

} // namespace

class TestExchangeTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void csvQuotesWhatSpreadsheetsWouldSplitOrTrim_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("plain") << u"Launch day"_s << "Launch day"_ba;
        QTest::newRow("comma") << u"Smith, John"_s << "\"Smith, John\""_ba;
        QTest::newRow("quotes") << u"The \"big\" day"_s << "\"The \"\"big\"\" day\""_ba;
        QTest::newRow("line break") << u"two\nlines"_s << "\"two\nlines\""_ba;
        QTest::newRow("carriage return") << u"a\rb"_s << "\"a\rb\""_ba;
        QTest::newRow("leading blank") << u"  indented"_s << "\"  indented\""_ba;
        QTest::newRow("trailing blank") << u"end "_s << "\"end \""_ba;
        QTest::newRow("not Latin") << u"Geburtstag Jürgen ✓"_s << "Geburtstag Jürgen ✓"_ba;
    }
    void csvQuotesWhatSpreadsheetsWouldSplitOrTrim()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, field);
        const QByteArray csv
            = toCsv(eventTable({ { name, at("2010/01/01 12:00:00") } }, at("2010/01/02 12:00:00"), defaults));
        QCOMPARE(csv,
            "name,type,moment,years,months,weeks,days,hours,minutes,seconds\r\n" + field
                + ",Past,2010-01-01T12:00:00,0.003,0.033,0.14,1.00,24.00,1440.0,86400\r\n");
    }

    void jsonKeepsTypesAndNamesAsGiven()
    {
        const QString name = u"Quote \" back\\slash\ttab é"_s;
        WorkRecord running = work(u"Running"_s, WorkStatus::started, u"2026/03/01 08:00:00"_s, u"0"_s);
        running.pausedSeconds = u"600"_s;
        const Moment now = at("2026/03/01 10:00:00");
        const auto events = QJsonDocument::fromJson(
            toJson(eventTable({ { name, at("2026/03/01 10:00:05") } }, now, defaults)))
                                .array();
        const auto works = QJsonDocument::fromJson(
            toJson(workTable(
                { running, work(u"Done"_s, WorkStatus::finished, u"garbled"_s, u"90061"_s) }, now, defaults)))
                               .array();
        QCOMPARE(events.size(), 1);
        const QJsonObject event = events[0].toObject();
        QCOMPARE(event["name"_L1].toString(), name);
        QCOMPARE(event["type"_L1].toString(), u"Future"_s);
        QCOMPARE(event["moment"_L1].toString(), u"2026-03-01T10:00:05"_s);
        QVERIFY(event["seconds"_L1].isDouble());
        QCOMPARE(event["seconds"_L1].toDouble(), 5.0);

        QCOMPARE(works.size(), 2);
        const QJsonObject started = works[0].toObject();
        QCOMPARE(started["usedSeconds"_L1].toDouble(), 6600.0); // two hours less the pause
        QCOMPARE(started["pausedSeconds"_L1].toDouble(), 600.0);
        QVERIFY(started["finished"_L1].isNull());
        QVERIFY(started["pausedAt"_L1].isNull());
        QCOMPARE(started["began"_L1].toString(), u"2026-03-01T08:00:00"_s);
        const QJsonObject done = works[1].toObject();
        QCOMPARE(done["began"_L1].toString(), u"garbled"_s); // unreadable: the text it holds
        QCOMPARE(done["days"_L1].toDouble(), 1.04);
        QCOMPARE(done["minutes"_L1].toDouble(), 1501.0);
        QCOMPARE(toJson(DataTable { { u"x"_s }, {} }), "[]\n"_ba);
    }

    // Works that begin around the end of October 2026, when Central Europe leaves summer
    // time, and across the month's end; one is still running.
    void reportSumsPerPeriodOfTheStart_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<int>("firstDayOfWeek");
        QTest::addColumn<QByteArray>("csv");
        QTest::newRow("day")
            << u"day"_s << 1
            << "2026-10-24,1,3600,1.00\r\n2026-10-25,1,7200,2.00\r\n2026-10-31,1,1800,0.50\r\n"
               "2026-11-01,1,60,0.02\r\n2026-11-02,1,3600,1.00\r\n"_ba;
        QTest::newRow("week from Monday") << u"week"_s << 1
                                          << "2026-10-19,2,10800,3.00\r\n2026-10-26,2,1860,0.52\r\n"
                                             "2026-11-02,1,3600,1.00\r\n"_ba;
        QTest::newRow("week from Sunday") << u"week"_s << 7
                                          << "2026-10-18,1,3600,1.00\r\n2026-10-25,2,9000,2.50\r\n"
                                             "2026-11-01,2,3660,1.02\r\n"_ba;
        QTest::newRow("month") << u"month"_s << 1 << "2026-10,3,12600,3.50\r\n2026-11,2,3660,1.02\r\n"_ba;
    }
    void reportSumsPerPeriodOfTheStart()
    {
        QFETCH(QString, period);
        QFETCH(int, firstDayOfWeek);
        QFETCH(QByteArray, csv);
        const QVector<WorkRecord> works = {
            work(u"a"_s, WorkStatus::finished, u"2026/10/24 23:30:00"_s, u"3600"_s),
            work(u"b"_s, WorkStatus::paused, u"2026/10/25 02:30:00"_s, u"7200"_s), // the repeated hour
            work(u"c"_s, WorkStatus::finished, u"2026/10/31 22:00:00"_s, u"1800"_s),
            work(u"d"_s, WorkStatus::finished, u"2026/11/01 00:30:00"_s, u"60"_s),
            work(u"e"_s, WorkStatus::started, u"2026/11/02 09:00:00"_s, u"0"_s),
            work(u"f"_s, WorkStatus::finished, u"not a date"_s, u"999"_s),
        };
        const DataTable table
            = periodReport(works, *reportPeriod(period), at("2026/11/02 10:00:00"), firstDayOfWeek, 2);
        QCOMPARE(toCsv(table), "period,works,seconds,hours\r\n" + csv);
    }

    void tabTextShowsTheProgramsOwnForms()
    {
        const DataTable table
            = periodReport({ work(u"a"_s, WorkStatus::finished, u"2026/10/24 23:30:00"_s, u"3600000"_s) },
                ReportPeriod::Month, at("2026/11/02 10:00:00"), 1, 2);
        QCOMPARE(toTabText(table, QLocale(QLocale::German, QLocale::Germany)),
            u"2026/10\t1\t3600000\t1.000,00\n"_s);
    }
};

QTEST_GUILESS_MAIN(TestExchangeTables)
#include "test_exchange_tables.moc"
