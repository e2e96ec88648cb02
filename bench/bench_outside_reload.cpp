// Prints what following a change made outside Kronvel costs with 32,767 events, for the
// changes people and synchronising tools make: one line appended, 100 lines appended, one
// line in the middle edited, 10 lines removed, and the whole file replaced by a rename. Each
// is timed from the write to the list following it (no settle time: the system's notice, the
// content check and the reload), to the list painted, and by the processor time Kronvel spent
// on it until it was quiet again. Once with the list as it starts (unsorted) and once sorted
// by name with 1,024 rows selected and scrolled to the middle; then the time a user waits
// with the usual settle time. Run it headless with QT_QPA_PLATFORM=offscreen.
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
#include <QEventLoop>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int eventCount = 32767;
constexpr int runs = 9;

double cpuMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Waits without spinning, so that the processor time is Kronvel's own.
void waitQuietly(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The events file as another program sees it: its lines, each with its break.
class OutsideWriter
{
public:
    explicit OutsideWriter(QString path)
        : m_path(std::move(path))
    {
        for (int i = 0; i < eventCount; ++i)
            m_lines.append(line(i, 2000));
        writeWhole(m_path);
    }

    void append(int count)
    {
        QByteArray added;
        for (int i = 0; i < count; ++i) {
            m_lines.append(line(m_next++, 2030));
            added += m_lines.last();
        }
        QFile file(m_path);
        if (file.open(QIODevice::Append))
            file.write(added);
    }
    void editMiddle()
    {
        const qsizetype middle = m_lines.size() / 2;
        m_lines[middle] = m_lines[middle].left(m_lines[middle].indexOf('\t')) + "\t2040/02/02 "
            + QByteArray::number(10 + m_next++ % 10) + ":00:00\n";
        writeWhole(m_path);
    }
    void removeTen()
    {
        // Spread over the middle third of the file, as a person tidying up would.
        for (int i = 0; i < 10; ++i)
            m_lines.removeAt(m_lines.size() / 3 + i * 997);
        writeWhole(m_path);
    }
    void replaceByRename()
    {
        // What a synchronising tool does with a line added on another machine.
        m_lines.append(line(m_next++, 2030));
        const QString temporary = m_path + QStringLiteral(".sync-tmp");
        writeWhole(temporary);
        std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(m_path).constData());
    }

    qsizetype lineCount() const { return m_lines.size(); }

private:
    static QByteArray line(int number, int year)
    {
        return "Event " + QByteArray::number(number) + '\t' + QByteArray::number(year) + "/01/01 00:00:00\n";
    }
    void writeWhole(const QString& path) const
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(m_lines.join());
    }

    QString m_path;
    QList<QByteArray> m_lines;
    int m_next = eventCount;
};

struct Figures
{
    std::vector<double> followed, shown, cpu;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// One outside change: write it, wait for the list to follow, let it paint, then wait until
// everything the change set off (reminders, the watcher's own wake-ups) is done.
bool followOnce(OutsideChanges& changes, const std::function<void()>& change, Figures& figures)
{
    QEventLoop loop;
    QElapsedTimer timer;
    double followed = -1;
    const auto connection = QObject::connect(&changes, &OutsideChanges::followed, [&](const QString& name) {
        if (name == u"events.dll" && followed < 0) {
            followed = double(timer.nsecsElapsed()) / 1e6;
            loop.quit();
        }
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    const double cpuBefore = cpuMilliseconds();
    timer.start();
    change();
    loop.exec();
    QCoreApplication::sendPostedEvents(); // the paint the change asked for, not yet the timers
    const double shown = double(timer.nsecsElapsed()) / 1e6;
    waitQuietly(400);
    QObject::disconnect(connection);
    figures.followed.push_back(followed);
    figures.shown.push_back(shown);
    figures.cpu.push_back(cpuMilliseconds() - cpuBefore);
    return followed >= 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("events.dll"));
    OutsideWriter writer(path);
    SystemClock clock;
    QtMessageBoxes boxes;
    QtDesktop desktop;
    auto self = mdlPubSelf::Main(folder.path(), clock, boxes, desktop, QStringLiteral(":/shipped"));
    if (!self)
        return 1;
    frmPubMain& window = self->window();
    // The refresh tick and the clock run whether or not anything changes; not counted here.
    window.tim().stop();
    if (auto* clockTimer = window.findChild<QTimer*>(QStringLiteral("timNow")))
        clockTimer->stop();
    EventListModel& model = window.events();
    ReportList& list = window.lsv();
    auto* changes = window.findChild<OutsideChanges*>();
    changes->watcher().setSettleTime(0);
    QApplication::processEvents();

    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        { "append 1 line", [&] { writer.append(1); } },
        { "append 100 lines", [&] { writer.append(100); } },
        { "edit 1 middle line", [&] { writer.editMiddle(); } },
        { "remove 10 lines", [&] { writer.removeTen(); } },
        { "replace by rename (+1 line)", [&] { writer.replaceByRename(); } },
    };
    std::printf("Following an outside change of events.dll with %d events, median of %d runs, ms:\n",
        eventCount, runs);
    std::printf("%-28s %9s %9s %9s\n", "", "followed", "painted", "processor");
    for (const bool sorted : { false, true }) {
        if (sorted) {
            model.sort(EventListModel::Name, Qt::DescendingOrder);
            for (int row = 0; row < model.rowCount(); row += 32)
                list.setSelected(row, true);
            list.setCurrentRow(model.rowCount() / 3);
            list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum() / 2);
            QApplication::processEvents();
        }
        std::printf("%s\n",
            sorted ? "List sorted by name, 1,024 rows selected, scrolled to the middle:"
                   : "List as it starts (file order):");
        for (const auto& [name, change] : cases) {
            Figures figures;
            for (int run = 0; run < runs; ++run) {
                if (!followOnce(*changes, change, figures)) {
                    std::printf("the window did not follow the change\n");
                    return 1;
                }
            }
            std::printf("  %-26s %9.1f %9.1f %9.1f\n", name, median(figures.followed), median(figures.shown),
                median(figures.cpu));
        }
    }

    changes->watcher().setSettleTime(150);
    Figures waited;
    for (int run = 0; run < runs; ++run)
        followOnce(
            *changes, [&] { writer.append(1); }, waited);
    std::printf(
        "Append of 1 line with the usual 150 ms settle time: painted after %.1f ms, processor %.1f ms\n",
        median(waited.shown), median(waited.cpu));
    std::printf("Rows %d for %lld lines in the file, selected %lld, scroll kept at %d of %d\n",
        model.rowCount(), qlonglong(writer.lineCount()), qlonglong(list.selectedRows().size()),
        list.verticalScrollBar()->value(), list.verticalScrollBar()->maximum());
    double load[3] = {};
    if (getloadavg(load, 3) > 0)
        std::printf("Machine load average: %.2f %.2f %.2f\n", load[0], load[1], load[2]);
    return 0;
}
