#include "core/ReminderRules.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Moment at(const QString& text)
{
    return *Moment::parse(text);
}

// "D" due, "A" ahead by 1 and 7 days, "Y" anniversaries, "E" the day before, "R" round numbers.
ReminderChoices choices(const QString& kinds)
{
    return { kinds.contains(u'D'), kinds.contains(u'A'), { 1, 7 }, kinds.contains(u'Y'), kinds.contains(u'E'),
        kinds.contains(u'R') };
}

} // namespace

class TestReminderRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundValues_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<qlonglong>("above");
        QTest::addColumn<qlonglong>("atMost"); // -1: none
        QTest::newRow("below the threshold") << int(TimeUnit::Days) << 999LL << 1000LL << -1LL;
        QTest::newRow("at the threshold") << int(TimeUnit::Days) << 1000LL << 2000LL << 1000LL;
        QTest::newRow("leading nine") << int(TimeUnit::Days) << 9999LL << 10000LL << 9000LL;
        QTest::newRow("next power") << int(TimeUnit::Days) << 10000LL << 20000LL << 10000LL;
        QTest::newRow("before the event") << int(TimeUnit::Years) << -5LL << 10LL << -1LL;
        QTest::newRow("billion seconds")
            << int(TimeUnit::Seconds) << 1999999999LL << 2000000000LL << 1000000000LL;
    }
    void roundValues()
    {
        QFETCH(int, unit);
        QFETCH(qlonglong, value);
        QFETCH(qlonglong, above);
        QFETCH(qlonglong, atMost);
        QCOMPARE(ReminderRules::roundValueAbove(TimeUnit(unit), value), above);
        QCOMPARE(ReminderRules::roundValueAtMost(TimeUnit(unit), value).value_or(-1), atMost);
    }

    // The first reminder of one event after a moment, for each kind of reminder.
    void nextReminder_data()
    {
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("due"); // empty: none
        QTest::addColumn<int>("kind");
        QTest::addColumn<qlonglong>("count");
        const auto row = [](const char* name, const char* kinds, const char* event, const char* after,
                             const char* due, ReminderKind kind, qlonglong count) {
            QTest::newRow(name) << QString::fromLatin1(kinds) << QString::fromLatin1(event)
                                << QString::fromLatin1(after) << QString::fromLatin1(due) << int(kind)
                                << count;
        };
        row("due at its second", "DAYER", "2026/12/08 10:00:05", "2026/12/08 10:00:04", "2026/12/08 10:00:05",
            ReminderKind::Due, 0);
        row("not once reached", "D", "2026/12/08 10:00:05", "2026/12/08 10:00:05", "", ReminderKind::Due, 0);
        row("a day ahead", "A", "2026/12/10 10:00:00", "2026/12/08 10:00:00", "2026/12/09 10:00:00",
            ReminderKind::Ahead, 1);
        row("a week ahead", "A", "2026/12/10 10:00:00", "2026/12/01 10:00:00", "2026/12/03 10:00:00",
            ReminderKind::Ahead, 7);
        row("anniversary this year", "Y", "1975/09/21 00:00:00", "2026/09/20 23:59:59", "2026/09/21 00:00:00",
            ReminderKind::Anniversary, 51);
        row("anniversary next year", "Y", "1975/09/21 00:00:00", "2026/12/08 00:00:00", "2027/09/21 00:00:00",
            ReminderKind::Anniversary, 52);
        row("first anniversary of a future event", "Y", "2027/01/01 12:00:00", "2026/12/08 00:00:00",
            "2028/01/01 12:00:00", ReminderKind::Anniversary, 1);
        row("February 29 in a common year", "Y", "2024/02/29 08:00:00", "2025/01/01 00:00:00",
            "2025/02/28 08:00:00", ReminderKind::Anniversary, 1);
        row("February 29 in a leap year", "Y", "2024/02/29 08:00:00", "2027/03/01 00:00:00",
            "2028/02/29 08:00:00", ReminderKind::Anniversary, 4);
        row("the day before an anniversary", "E", "1975/09/21 00:00:00", "2026/09/01 00:00:00",
            "2026/09/20 00:00:00", ReminderKind::AnniversaryEve, 51);
        row("no kind chosen", "", "1975/09/21 00:00:00", "2026/09/01 00:00:00", "", ReminderKind::Due, 0);
    }
    void nextReminder()
    {
        QFETCH(QString, kinds);
        QFETCH(QString, event);
        QFETCH(QString, after);
        QFETCH(QString, due);
        QFETCH(int, kind);
        QFETCH(qlonglong, count);
        const auto found = ReminderFinder(choices(kinds), at(after)).next(at(event));
        QCOMPARE(found ? found->due.toText() : QString(), due);
        if (found) {
            QCOMPARE(int(found->kind), kind);
            QCOMPARE(found->count, count);
        }
    }

    // Each unit's first round value, counted up from a past event and down to a future one;
    // asked one second before, it is the next reminder of all.
    void roundNumbers_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<QString>("since"); // from 2000/01/01 00:00:00
        QTest::addColumn<QString>("until"); // to 2100/01/01 00:00:00
        QTest::newRow("years") << 0 << 10LL << u"2009/12/31 12:00:00"_s << u"2089/12/31 12:00:00"_s;
        QTest::newRow("months") << 1 << 100LL << u"2008/05/01 18:00:00"_s << u"2091/09/01 06:00:00"_s;
        QTest::newRow("weeks") << 2 << 1000LL << u"2019/03/02 00:00:00"_s << u"2080/11/01 00:00:00"_s;
        QTest::newRow("days") << 3 << 1000LL << u"2002/09/27 00:00:00"_s << u"2097/04/06 00:00:00"_s;
        QTest::newRow("hours") << 4 << 10000LL << u"2001/02/20 16:00:00"_s << u"2098/11/10 08:00:00"_s;
        QTest::newRow("minutes") << 5 << 1000000LL << u"2001/11/25 10:40:00"_s << u"2098/02/05 13:20:00"_s;
        QTest::newRow("seconds") << 6 << 1000000000LL << u"2031/09/09 01:46:40"_s << u"2068/04/23 22:13:20"_s;
    }
    void roundNumbers()
    {
        QFETCH(int, unit);
        QFETCH(qlonglong, value);
        QFETCH(QString, since);
        QFETCH(QString, until);
        for (const auto& [event, due, kind] :
            { std::tuple { u"2000/01/01 00:00:00"_s, since, ReminderKind::RoundSince },
                std::tuple { u"2100/01/01 00:00:00"_s, until, ReminderKind::RoundUntil } }) {
            const auto oneBefore = Moment::fromSeconds(at(due).secondsSinceEpoch() - 1);
            const auto found = ReminderFinder(choices(u"DAYER"_s), *oneBefore).next(at(event));
            QVERIFY(found);
            QCOMPARE(found->due.toText(), due);
            QCOMPARE(found->kind, kind);
            QCOMPARE(int(found->unit), unit);
            QCOMPARE(found->count, value);
            // The tooltip's next round number is the same, whatever the choices.
            QCOMPARE(ReminderFinder({}, *oneBefore).nextRoundNumber(at(event))->due.toText(), due);
        }
    }

    void remindersInARange()
    {
        // Ten years of anniversaries and their eves, in time order, cut at the limit.
        const ReminderFinder finder(choices(u"YE"_s), at(u"2000/01/01 00:00:00"_s));
        const QList<Reminder> found
            = finder.until(at(u"1975/09/21 00:00:00"_s), at(u"2010/01/01 00:00:00"_s), 100);
        QCOMPARE(found.size(), 20);
        QCOMPARE(found.first().due.toText(), u"2000/09/20 00:00:00"_s);
        QCOMPARE(found.last().due.toText(), u"2009/09/21 00:00:00"_s);
        QVERIFY(std::is_sorted(
            found.begin(), found.end(), [](const Reminder& a, const Reminder& b) { return a.due < b.due; }));
        QCOMPARE(finder.until(at(u"1975/09/21 00:00:00"_s), at(u"2010/01/01 00:00:00"_s), 3).size(), 3);
    }
};

QTEST_APPLESS_MAIN(TestReminderRules)
#include "test_reminder_rules.moc"
