#include "core/ReminderScheduler.h"
#include "tests/support/FakeClock.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QDateTime wallTime(const QString& text)
{
    return QDateTime::fromString(text, u"yyyy/MM/dd HH:mm:ss"_s);
}

// One run of Kronvel's reminders on a fake clock: what it told, and its saved state.
struct Run
{
    explicit Run(const QString& start, std::optional<ReminderState> saved = {}, ReminderChoices choices = {})
        : clock(wallTime(start))
        , scheduler([this] { return clock.now(); }, std::move(saved),
              [this](const QList<DueReminder>& due) { told.append(due); },
              [this](const ReminderState& state) { this->saved = state; })
    {
        scheduler.setChoices(choices);
    }
    void setEvents(const QList<std::pair<QString, QString>>& events)
    {
        QVector<ReminderEvent> list;
        for (const auto& [name, moment] : events)
            list.append({ name, *Moment::parse(moment) });
        scheduler.setEvents(list);
    }
    // The clock moves on by seconds (back when negative) and the scheduler looks at it.
    void advance(qint64 seconds)
    {
        clock.advance(seconds);
        scheduler.check();
    }
    // The event names of each notification, one text per notification.
    QStringList notifications() const
    {
        QStringList result;
        for (const auto& due : told) {
            QStringList names;
            for (const DueReminder& one : due)
                names << one.event.name;
            result << names.join(u',');
        }
        return result;
    }

    FakeClock clock;
    QList<QList<DueReminder>> told;
    std::optional<ReminderState> saved;
    ReminderScheduler scheduler;
};

const ReminderChoices dueOnly { true, false, {}, false, false, false };

} // namespace

class TestReminderScheduler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dueAtTheSecond()
    {
        Run run(u"2026/12/08 10:00:00"_s, {}, dueOnly);
        run.setEvents({ { u"Launch"_s, u"2026/12/08 10:00:05"_s } });
        // One timer, armed for the moment the event comes due.
        QVERIFY(run.scheduler.timer().isActive());
        QCOMPARE(run.scheduler.timer().interval(), 5000);
        run.advance(4);
        QVERIFY(run.told.isEmpty());
        run.advance(1);
        QCOMPARE(run.notifications(), QStringList { u"Launch"_s });
        QCOMPARE(run.told[0][0].reminder.kind, ReminderKind::Due);
        run.advance(3600);
        QCOMPARE(run.told.size(), 1);
        QVERIFY(!run.scheduler.timer().isActive());
    }

    void longWaitsAreCutToAMinute()
    {
        Run run(u"2026/12/08 10:00:00"_s, {}, dueOnly);
        run.setEvents({ { u"Later"_s, u"2026/12/09 10:00:00"_s } });
        QCOMPARE(run.scheduler.timer().interval(), ReminderScheduler::longestWaitMs);
        QCOMPARE(run.scheduler.next()->reminder.due.toText(), u"2026/12/09 10:00:00"_s);
    }

    void missedWhileAwayAreGathered()
    {
        const ReminderState away { *Moment::parse(u"2026/01/01 00:00:00"_s),
            *Moment::parse(u"2026/01/01 00:00:00"_s), {} };
        Run run(u"2026/12/08 10:00:00"_s, away, { true, false, {}, true, false, false });
        run.setEvents({ { u"Birth"_s, u"1975/09/21 00:00:00"_s }, { u"Launch"_s, u"2026/06/01 12:00:00"_s },
            { u"Wedding"_s, u"2010/01/01 12:00:00"_s }, { u"Next year"_s, u"2027/06/01 12:00:00"_s } });
        // One notification, in the order they came due.
        QCOMPARE(run.notifications(), QStringList { u"Wedding,Launch,Birth"_s });
    }

    void nothingTwiceAcrossARestart()
    {
        const QList<std::pair<QString, QString>> events { { u"Launch"_s, u"2026/12/08 10:00:05"_s },
            { u"Birth"_s, u"1975/12/08 10:00:05"_s } };
        Run first(u"2026/12/08 10:00:00"_s);
        first.setEvents(events);
        first.advance(5);
        QCOMPARE(first.notifications(), QStringList { u"Launch,Birth"_s });
        for (qint64 later : { 0, 1, 86400 }) {
            Run second(u"2026/12/08 10:00:05"_s, first.saved);
            second.clock.advance(later);
            second.setEvents(events);
            QVERIFY2(second.told.isEmpty(), qPrintable(second.notifications().join(u';')));
        }
    }

    void changedEventsDoNotRemindOfThePast()
    {
        Run run(u"2026/12/08 10:00:00"_s);
        run.setEvents({});
        run.advance(3600);
        // An event added now, dated an hour ago, with round numbers and anniversaries behind it.
        run.setEvents({ { u"Added"_s, u"2026/12/08 10:30:00"_s }, { u"Old"_s, u"1990/12/08 10:30:00"_s } });
        run.advance(1);
        QVERIFY(run.told.isEmpty());
    }

    void clockJumpsAhead()
    {
        Run run(u"2026/12/08 10:00:00"_s, {}, dueOnly);
        run.setEvents({ { u"A"_s, u"2026/12/08 10:00:05"_s }, { u"B"_s, u"2026/12/08 10:30:00"_s } });
        // A suspend of an hour: both are shown at once on waking, and not again.
        run.advance(3600);
        run.advance(60);
        QCOMPARE(run.notifications(), QStringList { u"A,B"_s });
    }

    void clockJumpsBack_data()
    {
        QTest::addColumn<qint64>("back");
        QTest::newRow("daylight saving ends") << qint64(3600);
        QTest::newRow("a day") << qint64(86400);
        QTest::newRow("a month") << qint64(30 * 86400);
    }
    void clockJumpsBack()
    {
        QFETCH(qint64, back);
        Run run(u"2026/12/08 10:00:00"_s, {}, dueOnly);
        const std::pair<QString, QString> shown { u"Shown"_s, u"2026/12/08 10:00:05"_s };
        run.setEvents({ shown });
        run.advance(10);
        run.advance(-back);
        // Added while the clock is behind: it comes due in time already looked at.
        run.setEvents({ shown, { u"Added"_s, u"2026/12/08 10:00:08"_s } });
        for (qint64 step = 0; step < back + 60; step += 30)
            run.advance(30);
        // What was shown stays shown, and the added event is not lost.
        QCOMPARE(run.notifications(), (QStringList { u"Shown"_s, u"Added"_s }));
        Run restarted(run.clock.now().toString(u"yyyy/MM/dd HH:mm:ss"_s), run.saved, dueOnly);
        restarted.setEvents({ shown, { u"Added"_s, u"2026/12/08 10:00:08"_s } });
        QVERIFY(restarted.told.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReminderScheduler)
#include "test_reminder_scheduler.moc"
