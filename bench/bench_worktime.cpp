// Prints what the work-time window costs with thousands of works: opening, sorting, finding,
// closing with 10,000 started works and Stop of 9,000 selected ones, each command writing the
// works file once, beside the row-by-row way that rewrites the whole file for every work.
// The row-by-row way is timed over a sample of works and scaled to all of them (every one of
// its writes reads and writes the same whole file); --full times it over every one of 10,000.
// Run it headless with QT_QPA_PLATFORM=offscreen.
#include "components/TextLineFile.h"
#include "models/WorkListModel.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/ui/QtDesktop.h"
#include "platform/ui/QtMessageBoxes.h"
#include "stores/WorksFile.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/worktime/RowSelection.h"
#include "ui/worktime/WorkCommands.h"
#include "ui/worktime/frmPubWorkTime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 1, 1), QTime(12, 0)); }
};

double milliseconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Started works, each begun a different number of seconds before the clock's moment.
void writeWorks(const QString& path, int count)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (int i = 0; i < count; ++i) {
        const int minute = (i * 7919) % 600;
        file.write(QStringLiteral("Work %1\tStarted\t2026/01/01 %2:%3:00\t-\t0\t-\t0\n")
                       .arg(i)
                       .arg(2 + minute / 60, 2, 10, QLatin1Char('0'))
                       .arg(minute % 60, 2, 10, QLatin1Char('0'))
                       .toUtf8());
    }
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Setup
{
    explicit Setup(int count)
    {
        writeWorks(folder.filePath(QStringLiteral("works.dll")), count);
        for (int key = 0; key < settingCount; ++key) {
            if (const char* value = settingDefinition(SettingKey(key)).defaultValue)
                program.settings().setValue(SettingKey(key), QString::fromLatin1(value));
        }
    }
    QString works() const { return folder.filePath(QStringLiteral("works.dll")); }

    QTemporaryDir folder;
    FixedClock clock;
    QtMessageBoxes boxes;
    QtDesktop desktop;
    Program program { folder.path(), clock, boxes, desktop };
};

// The row-by-row way: one whole-file rewrite per work, over the first sample rows of the list,
// on a copy of the file. Returns the milliseconds those writes took.
double rowByRow(const QString& source, const QString& copy, const QVector<WorkRecord>& works)
{
    QFile::remove(copy);
    QFile::copy(source, copy);
    const TextLineFile lines;
    const FileSystem files;
    const WorksFile file(copy, lines, files);
    return milliseconds([&] {
        for (const WorkRecord& work : works)
            file.rewrite(work);
    });
}

// Prints one line: the batched command beside the row-by-row writes of the same works, and
// whether one write of the sample gives the file the sample's single writes give.
void compare(
    const char* what, double batched, const QString& before, const QVector<WorkRecord>& all, int sample)
{
    const QVector<WorkRecord> part = all.mid(0, std::min<qsizetype>(sample, all.size()));
    const QString single = before + QStringLiteral(".single");
    const double partMs = rowByRow(before, single, part);
    const double scaled = partMs * double(all.size()) / double(std::max<qsizetype>(part.size(), 1));
    const QString batch = before + QStringLiteral(".batch");
    QFile::remove(batch);
    QFile::copy(before, batch);
    const TextLineFile lines;
    const FileSystem files;
    WorksFile(batch, lines, files).rewrite(part);
    const bool same = bytesOf(batch) == bytesOf(single);
    std::printf("%-34s %8lld works %10.1f ms %12.1f ms%s %8.0fx  %s\n", what, (long long)all.size(), batched,
        scaled, part.size() < all.size() ? "*" : " ", scaled / batched, same ? "same file" : "FILES DIFFER");
}

void run(int count, int sample)
{
    Setup setup(count);
    frmPubWorkTime window(setup.program);
    window.resize(1200, 700);
    const double open = milliseconds([&] { window.load(); });
    window.show();
    QApplication::processEvents();
    WorkListModel& model = window.works();
    const double sort = milliseconds([&] { model.sort(WorkListModel::Seconds, Qt::DescendingOrder); });
    model.sort(WorkListModel::Name, Qt::AscendingOrder);

    // Every running work as the closing rewrite writes it.
    QVector<WorkRecord> running;
    for (int row = 0; row < model.rowCount(); ++row)
        running << model.work(row);
    const QString before = setup.folder.filePath(QStringLiteral("before.dll"));
    QFile::copy(setup.works(), before);
    const double close = milliseconds([&] { window.rewriteRunningWorks(); });
    QApplication::processEvents();

    // Nine works in ten selected, in runs of nine, as Ctrl-clicks leave them; then Stop.
    std::vector<bool> rows(size_t(model.rowCount()));
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row] = row % 10 != 9;
    RowSelection::selectOnly(*window.lsv().selectionModel(), model, rows);
    QVector<WorkRecord> stopped;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (rows[size_t(row)]) {
            WorkRecord work = model.work(row);
            work.status = WorkStatus::finished;
            work.finished = QStringLiteral("2026/01/01 12:00:00");
            stopped << work;
        }
    }
    QFile::remove(before);
    QFile::copy(setup.works(), before);
    const double stop = milliseconds([&] {
        window.sbt_Click(WorkCommands::Stop);
        QApplication::processEvents();
    });
    std::printf("%-34s %8d works %10.1f ms\n", "opening (load, count, colours)", count, open);
    std::printf("%-34s %8d works %10.1f ms\n", "sort by Seconds", count, sort);
    compare("closing with every work started", close, before, running, sample);
    compare("Stop of nine in ten selected", stop, before, stopped, sample);
    window.hide();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const bool full = application.arguments().contains(QStringLiteral("--full"));
    std::printf("Work-time window, milliseconds. Row-by-row figures marked * are timed over the first 200\n"
                "works and scaled to all of them (run with --full to time every work).\n");
    std::printf("%-34s %14s %13s %15s %9s\n", "", "", "batched", "row by row", "ratio");
    // Two sizes show that the batched commands grow in step with the works; --full times the
    // row-by-row way over all 10,000 works only, which takes minutes.
    for (int count : full ? std::vector<int> { 10000 } : std::vector<int> { 2500, 10000 })
        run(count, full ? count : 200);
    return 0;
}
