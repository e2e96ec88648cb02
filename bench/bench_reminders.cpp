// Prints what finding the next reminder costs after a change of a list of 32,767 events: the
// scheduler first deals with what is due under the old list, then looks for the next reminder
// over every event of the new one, with every kind of reminder chosen.
#include "core/ReminderScheduler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// A second passes between two readings, so each change also catches up over the old list.
class TickingClock
{
public:
    QDateTime now() const { return QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0)).addSecs(++m_ticks); }

private:
    mutable int m_ticks = 0;
};

// Events from 1900 to 2100, past and future, at every time of day.
QVector<ReminderEvent> events(int count, int variant)
{
    QVector<ReminderEvent> list;
    const std::int64_t first = Moment::fromCivil(1900, 1, 1)->secondsSinceEpoch();
    const std::int64_t span = Moment::fromCivil(2100, 1, 1)->secondsSinceEpoch() - first;
    for (int i = 0; i < count; ++i) {
        const std::int64_t at = first + (std::int64_t(i) * 2654435761LL + variant) % span;
        list.append({ QStringLiteral("Event %1").arg(i), *Moment::fromSeconds(at) });
    }
    return list;
}

// CPU time of this thread: what the work costs, whatever else the machine is doing.
double threadMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int count = 32767;
    TickingClock clock;
    int shown = 0;
    ReminderScheduler scheduler([&clock] { return clock.now(); }, std::nullopt,
        [&](const QList<DueReminder>& due) { shown += int(due.size()); }, [](const ReminderState&) {});
    scheduler.setChoices({ true, true, { 1, 7, 30 }, true, true, true });
    // Each change is timed on the scheduler as the main window hands it the new list.
    const auto changes = [&](const char* what, const auto& change) {
        QList<double> wall;
        QList<double> cpu;
        for (int run = 0; run < 21; ++run) {
            QVector<ReminderEvent> list = change(run);
            QElapsedTimer timer;
            timer.start();
            const double started = threadMilliseconds();
            scheduler.setEvents(std::move(list));
            cpu << threadMilliseconds() - started;
            wall << timer.nsecsElapsed() / 1e6;
        }
        std::printf("%-44s wall %6.2f  cpu %6.2f\n", what, median(wall), median(cpu));
    };
    std::printf("%d events, every kind of reminder on; median of 21 runs in milliseconds,\n"
                "wall clock and this thread's CPU time\n",
        count);
    changes("a new list (load of other events)", [&](int run) { return events(count, run); });
    QVector<ReminderEvent> list = events(count, 0);
    scheduler.setEvents(list);
    changes("the same list loaded again", [&](int) { return list; });
    changes("one event's moment changed", [&](int run) {
        list[count / 2].moment
            = *Moment::fromSeconds(list[count / 2].moment.secondsSinceEpoch() + 3600 + run);
        return list;
    });
    changes("one event removed, one added at the end", [&](int run) {
        list.removeAt(run * 100);
        list.append({ QStringLiteral("Added %1").arg(run), *Moment::parse(u"2027/01/01 00:00:00") });
        return list;
    });
    std::printf("next: %s (%s); shown while measuring: %d\n",
        qPrintable(scheduler.next()->reminder.due.toText()), qPrintable(scheduler.next()->event.name), shown);
    return 0;
}
