// Prints what following a change made outside Kronvel costs with 32,767 events: a line is
// appended to events.dll by another program (here: this one, behind Kronvel's back) while
// the list is sorted, 1,000 rows are selected and the list is scrolled to the middle. Timed
// from the write until the list shows the new line with selection, sort and scroll kept:
// with no settle time (system notice, content check, reload) and with the usual settle time.
// Run it headless with QT_QPA_PLATFORM=offscreen.
#include "models/EventListModel.h"
#include "platform/Clock.h"
#include "platform/ui/QtDesktop.h"
#include "platform/ui/QtMessageBoxes.h"
#include "stores/FolderWatcher.h"
#include "ui/common/ReportList.h"
#include "ui/main/OutsideChanges.h"
#include "ui/main/frmPubMain.h"
#include "ui/main/mdlPubSelf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int eventCount = 32767;
constexpr int runs = 15;

double cpuMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Appends one line as an outside program would, and waits until the window followed it.
// Returns the wall-clock time; cpu receives the processor time Kronvel spent meanwhile.
double followOnce(OutsideChanges& changes, const QString& path, int run, double* cpu)
{
    QElapsedTimer timer;
    bool done = false;
    const auto connection = QObject::connect(&changes, &OutsideChanges::followed,
        [&](const QString& name) { done = done || name == u"events.dll"; });
    const double cpuBefore = cpuMilliseconds();
    timer.start();
    {
        QFile file(path);
        if (!file.open(QIODevice::Append))
            return -1;
        file.write("Outside " + QByteArray::number(run) + "\t2030/01/01 00:00:00\n");
    }
    while (!done && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QObject::disconnect(connection);
    *cpu = cpuMilliseconds() - cpuBefore;
    return done ? double(timer.nsecsElapsed()) / 1e6 : -1;
}

void report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %7.1f ms, best %7.1f ms, worst %7.1f ms (%zu runs)\n", what,
        times[times.size() / 2], times.front(), times.back(), times.size());
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    {
        QFile events(folder.filePath(QStringLiteral("events.dll")));
        if (!events.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 0; i < eventCount; ++i)
            events.write("Event " + QByteArray::number(i) + "\t2000/01/01 00:00:00\n");
    }
    SystemClock clock;
    QtMessageBoxes boxes;
    QtDesktop desktop;
    auto self = mdlPubSelf::Main(folder.path(), clock, boxes, desktop, QStringLiteral(":/shipped"));
    if (!self)
        return 1;
    frmPubMain& window = self->window();
    EventListModel& model = window.events();
    ReportList& list = window.lsv();
    model.sort(EventListModel::Name, Qt::DescendingOrder);
    for (int row = 0; row < model.rowCount(); row += 32)
        list.setSelected(row, true);
    list.setCurrentRow(model.rowCount() / 3);
    list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum() / 2);
    QApplication::processEvents();

    auto* changes = window.findChild<OutsideChanges*>();
    const QString path = folder.filePath(QStringLiteral("events.dll"));
    for (int settle : { 0, 150 }) {
        changes->watcher().setSettleTime(settle);
        std::vector<double> times;
        std::vector<double> cpuTimes;
        for (int run = 0; run < runs; ++run) {
            double cpu = 0;
            const double ms = followOnce(*changes, path, settle * 100 + run, &cpu);
            cpuTimes.push_back(cpu);
            if (ms < 0) {
                std::printf("the window did not follow the change\n");
                return 1;
            }
            times.push_back(ms);
        }
        report(settle == 0 ? "Outside append to list shown, no settle time:"
                           : "Outside append to list shown, 150 ms settle:",
            times);
        report("  processor time Kronvel spent on it:", cpuTimes);
    }
    std::printf("Rows %d, selected %lld, scroll kept at %d of %d\n", model.rowCount(),
        qlonglong(list.selectedRows().size()), list.verticalScrollBar()->value(),
        list.verticalScrollBar()->maximum());
    double load[3] = {};
    if (getloadavg(load, 3) > 0)
        std::printf("Machine load average: %.2f %.2f %.2f\n", load[0], load[1], load[2]);
    return 0;
}
