// Work records as lines of the works file, and how pause, restart and stop change them and
// count the net working time.
#include "core/Moment.h"
#include "core/WorkRecord.h"
#include "core/WorkRules.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Moment at(const QString& text)
{
    return *Moment::parse(text);
}

WorkRecord record(const QString& line)
{
    return WorkRecord::fromLine(line);
}

} // namespace

class TestWorkRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineRoundTrip_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("written");
        QTest::newRow("started") << u"Build\tStarted\t2024/05/01 09:00:00\t-\t0\t-\t0"_s
                                 << u"Build\tStarted\t2024/05/01 09:00:00\t-\t0\t-\t0"_s;
        QTest::newRow("blanks kept")
            << u" Build \tPaused\t2024/05/01 09:00:00\t-\t12\t2024/05/01 10:00:00\t99"_s
            << u" Build \tPaused\t2024/05/01 09:00:00\t-\t12\t2024/05/01 10:00:00\t99"_s;
        QTest::newRow("began reformatted")
            << u"Old\tFinished\t2024-5-1 9:05\t2024/05/01 10:00:00\t0\t-\t3300"_s
            << u"Old\tFinished\t2024/05/01 09:05:00\t2024/05/01 10:00:00\t0\t-\t3300"_s;
        QTest::newRow("unreadable began kept")
            << u"Odd\tStarted\tsoon\t-\t0\t-\t0"_s << u"Odd\tStarted\tsoon\t-\t0\t-\t0"_s;
        QTest::newRow("missing fields empty") << u"Short\tPaused"_s << u"Short\tPaused\t\t\t\t\t"_s;
    }
    void lineRoundTrip()
    {
        QFETCH(QString, line);
        QFETCH(QString, written);
        QCOMPARE(record(line).line(), written);
    }

    void newWorkIsStartedNow()
    {
        const WorkRecord work = WorkRecord::startedAt(u"Write"_s, at(u"2026/12/06 16:48:22"_s));
        QCOMPARE(work.line(), u"Write\tStarted\t2026/12/06 16:48:22\t-\t0\t-\t0"_s);
    }

    void runningSeconds_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("now");
        QTest::addColumn<int>("expected"); // -1: no value
        QTest::newRow("100 s less 30 paused")
            << u"W\tStarted\t2024/05/01 09:58:20\t-\t30\t-\t0"_s << u"2024/05/01 10:00:00"_s << 70;
        QTest::newRow("just begun") << u"W\tStarted\t2024/05/01 10:00:00\t-\t0\t-\t0"_s
                                    << u"2024/05/01 10:00:00"_s << 0;
        QTest::newRow("paused not a number")
            << u"W\tStarted\t2024/05/01 09:00:00\t-\tx\t-\t0"_s << u"2024/05/01 10:00:00"_s << -1;
        QTest::newRow("began unreadable")
            << u"W\tStarted\tnever\t-\t0\t-\t0"_s << u"2024/05/01 10:00:00"_s << -1;
        QTest::newRow("beyond 32 bits")
            << u"W\tStarted\t1900/01/01 00:00:00\t-\t0\t-\t0"_s << u"2024/05/01 10:00:00"_s << -1;
    }
    void runningSeconds()
    {
        QFETCH(QString, line);
        QFETCH(QString, now);
        QFETCH(int, expected);
        const auto seconds = WorkRules::runningSeconds(record(line), at(now));
        QCOMPARE(seconds.has_value(), expected >= 0);
        if (seconds)
            QCOMPARE(*seconds, expected);
    }

    void commandsNeedTheirState_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("afterPause");
        QTest::addColumn<QString>("afterRestart");
        QTest::addColumn<QString>("afterStop");
        QTest::newRow("started") << u"Started"_s << u"Paused"_s << u"Started"_s << u"Finished"_s;
        QTest::newRow("paused") << u"Paused"_s << u"Paused"_s << u"Started"_s << u"Paused"_s;
        QTest::newRow("finished") << u"Finished"_s << u"Finished"_s << u"Finished"_s << u"Finished"_s;
        QTest::newRow("other") << u"Waiting"_s << u"Waiting"_s << u"Waiting"_s << u"Waiting"_s;
    }
    void commandsNeedTheirState()
    {
        QFETCH(QString, status);
        const Moment now = at(u"2024/05/01 10:00:00"_s);
        const WorkRecord before
            = record(u"W\t"_s + status + u"\t2024/05/01 09:00:00\t-\t0\t2024/05/01 09:30:00\t5"_s);
        WorkRecord paused = before;
        WorkRules::pause(paused, now);
        QTEST(paused.status, "afterPause");
        WorkRecord restarted = before;
        WorkRules::restart(restarted, now);
        QTEST(restarted.status, "afterRestart");
        WorkRecord stopped = before;
        WorkRules::stop(stopped, now);
        QTEST(stopped.status, "afterStop");
        // A command refused by the state changes nothing at all.
        for (const WorkRecord* after : { &paused, &restarted, &stopped }) {
            if (after->status == before.status)
                QCOMPARE(*after, before);
        }
    }

    void pauseThenRestartNinetySecondsLater()
    {
        WorkRecord work = record(u"W\tStarted\t2024/05/01 09:00:00\t-\t40\t-\t3000"_s);
        QVERIFY(WorkRules::pause(work, at(u"2024/05/01 10:00:00"_s)));
        QCOMPARE(work.pausedAt, u"2024/05/01 10:00:00"_s);
        QCOMPARE(work.usedSeconds, u"3000"_s); // as last counted
        QVERIFY(WorkRules::restart(work, at(u"2024/05/01 10:01:30"_s)));
        QCOMPARE(work.line(), u"W\tStarted\t2024/05/01 09:00:00\t-\t130\t-\t3000"_s);
        QVERIFY(WorkRules::stop(work, at(u"2024/05/01 11:00:00"_s)));
        QCOMPARE(work.line(), u"W\tFinished\t2024/05/01 09:00:00\t2024/05/01 11:00:00\t130\t-\t3000"_s);
    }

    void restartBeyond32BitsKeepsPausedSeconds_data()
    {
        QTest::addColumn<QString>("pausedSeconds");
        QTest::addColumn<QString>("pausedAt");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sum too large") << u"2147483600"_s << u"2024/05/01 09:58:00"_s << u"2147483600"_s;
        QTest::newRow("sum fits exactly") << u"2147483527"_s << u"2024/05/01 09:58:00"_s << u"2147483647"_s;
        QTest::newRow("pause unreadable") << u"10"_s << u"-"_s << u"10"_s;
        QTest::newRow("paused not a number") << u"many"_s << u"2024/05/01 09:58:00"_s << u"many"_s;
    }
    void restartBeyond32BitsKeepsPausedSeconds()
    {
        QFETCH(QString, pausedSeconds);
        QFETCH(QString, pausedAt);
        WorkRecord work
            = record(u"W\tPaused\t2024/05/01 09:00:00\t-\t"_s + pausedSeconds + u'\t' + pausedAt + u"\t0"_s);
        QVERIFY(WorkRules::restart(work, at(u"2024/05/01 10:00:00"_s)));
        QTEST(work.pausedSeconds, "expected");
        QCOMPARE(work.status, u"Started"_s);
        QCOMPARE(work.pausedAt, u"-"_s);
    }
};

QTEST_GUILESS_MAIN(TestWorkRules)
#include "test_work_rules.moc"
