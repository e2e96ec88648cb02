// Prints what the main window costs: one refresh tick of the events list at 10, 1,000 and
// 32,767 events beside a naive list that writes every counter text of every row, loading a
// 32,767-line events file, the start-up to the first shown window with that file, that
// window's own tick, and the peak memory. Run it headless with QT_QPA_PLATFORM=offscreen.
#include "components/TextDecoding.h"
#include "components/TextLineFile.h"
#include "core/UnitText.h"
#include "models/EventListModel.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/ui/QtDesktop.h"
#include "platform/ui/QtMessageBoxes.h"
#include "stores/EventsFile.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/main/EventsView.h"
#include "ui/main/frmPubMain.h"
#include "ui/main/mdlPubSelf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <sys/resource.h>

namespace {

const QLocale locale(QLocale::English, QLocale::UnitedStates);
const std::array<QString, timeUnitCount> decimals = { QStringLiteral("3"), QStringLiteral("3"),
    QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("0") };

Moment base()
{
    return *Moment::fromCivil(2026, 1, 1, 12);
}

// Events spread over the past and the future, one a day apart.
QVector<EventListModel::Event> makeEvents(int count)
{
    QVector<EventListModel::Event> events;
    events.reserve(count);
    for (int i = 0; i < count; ++i) {
        const auto moment = *Moment::fromSeconds(base().secondsSinceEpoch() + (i - count / 2) * 86400LL + i);
        events.push_back({ QStringLiteral("Event %1").arg(i),
            moment < base() ? QStringLiteral("Past") : QStringLiteral("Future"), moment });
    }
    return events;
}

double millisecondsPerRun(int runs, const std::function<void(int)>& work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        work(i);
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

// One tick of the events list: refresh every row, then paint the counters on screen.
double tickOfTheList(int count)
{
    EventListModel model;
    model.setLocale(locale);
    model.setDecimals(decimals);
    model.setEvents(makeEvents(count));
    EventsView list;
    list.setModel(&model);
    list.resize(1200, 700);
    list.show();
    QApplication::processEvents();
    list.viewport()->repaint();
    // The refresh alone, before anything is painted.
    const double refresh = millisecondsPerRun(
        200, [&](int i) { model.refreshAll(*Moment::fromSeconds(base().secondsSinceEpoch() + i + 1)); });
    QApplication::processEvents();
    std::printf("%8d %14.4f", count, refresh);
    // What the timer's tick costs: the refresh, then the window system paints what it marked.
    return millisecondsPerRun(200, [&](int i) {
        model.refreshAll(*Moment::fromSeconds(base().secondsSinceEpoch() + i + 1));
        QApplication::processEvents();
    });
}

// The naive way: every counter text of every row is made and written into the widget.
double tickOfANaiveList(int count, int runs)
{
    const auto events = makeEvents(count);
    QTreeWidget tree;
    tree.setColumnCount(10);
    for (const auto& event : events)
        new QTreeWidgetItem(&tree, { event.name, event.type, event.moment.toText() });
    tree.resize(1200, 700);
    tree.show();
    QApplication::processEvents();
    return millisecondsPerRun(runs, [&](int i) {
        const auto now = base().secondsSinceEpoch() + i + 1;
        for (int row = 0; row < count; ++row) {
            const std::int64_t seconds = std::llabs(now - events[row].moment.secondsSinceEpoch());
            QTreeWidgetItem* item = tree.topLevelItem(row);
            for (TimeUnit unit : allTimeUnits)
                item->setText(
                    3 + int(unit), *unitText(unitAmount(seconds, unit), decimals[int(unit)], locale));
        }
        QApplication::processEvents();
    });
}

void writeEventsFile(const QString& folder, int count)
{
    QFile file(folder + QStringLiteral("/events.dll"));
    file.open(QIODevice::WriteOnly);
    for (const auto& event : makeEvents(count))
        file.write((event.name % u'\t' % event.moment.toText() % u'\n').toUtf8());
}

// The same events named in German, in one of the encodings an events file comes in.
enum class Encoding { Utf8, Windows1252, Utf16 };
void writeGermanEventsFile(const QString& folder, int count, Encoding encoding)
{
    QString text;
    for (const auto& event : makeEvents(count))
        text += u"Gr\u00fc\u00dfe an K\u00e4the " % event.name.mid(6) % u'\t' % event.moment.toText()
            % u"\r\n";
    QByteArray bytes;
    if (encoding == Encoding::Utf8) {
        bytes = text.toUtf8();
    } else if (encoding == Encoding::Windows1252) {
        bytes = *encodeWindows1252(text);
    } else {
        bytes = "\xff\xfe";
        for (const QChar c : text)
            bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    }
    QFile file(folder + QStringLiteral("/events.dll"));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 1, 1), QTime(12, 0)); }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    std::printf("Refresh tick (refresh every row, paint the counters on screen), milliseconds:\n");
    std::printf("%8s %14s %14s %14s %10s\n", "events", "refresh only", "events list", "naive list", "ratio");
    for (int count : { 10, 1000, 32767 }) {
        const double list = tickOfTheList(count);
        const double naive = tickOfANaiveList(count, count > 1000 ? 3 : 20);
        std::printf(" %14.4f %14.2f %9.0fx\n", list, naive, naive / list);
    }

    QTemporaryDir folder;
    writeEventsFile(folder.path(), 32767);
    {
        const TextLineFile lines;
        const FileSystem files;
        const EventsFile eventsFile(folder.path(), lines, files);
        EventListModel model;
        const double load = millisecondsPerRun(5, [&](int) { model.loadFrom(eventsFile, base()); });
        std::printf("Loading a 32,767-line events file: %.1f ms (%d rows)\n", load, model.rowCount());
        QTemporaryDir german;
        const EventsFile germanFile(german.path(), lines, files);
        for (const auto& [encoding, name] :
            { std::pair { Encoding::Utf8, "UTF-8" }, std::pair { Encoding::Windows1252, "Windows-1252" },
                std::pair { Encoding::Utf16, "UTF-16" } }) {
            writeGermanEventsFile(german.path(), 32767, encoding);
            const double ms = millisecondsPerRun(5, [&](int) { model.loadFrom(germanFile, base()); });
            std::printf("  with German names, CRLF, %s: %.1f ms (%d rows)\n", name, ms, model.rowCount());
        }
    }

    FixedClock clock;
    QtMessageBoxes boxes;
    QtDesktop desktop;
    QElapsedTimer timer;
    timer.start();
    auto self = mdlPubSelf::Main(folder.path(), clock, boxes, desktop, QStringLiteral(":/shipped"));
    QApplication::processEvents();
    const double startUp = double(timer.nsecsElapsed()) / 1e6;
    std::printf("Start-up to the first shown window with 32,767 events: %.1f ms (%s, %d rows)\n", startUp,
        self && self->window().isVisible() ? "shown" : "NOT SHOWN",
        self ? self->window().events().rowCount() : 0);
    if (self) {
        // The window's own tick: the refresh, the counter columns widened to the counts on screen, the paint.
        const double tick = millisecondsPerRun(200, [&](int) {
            self->window().tim_Timer();
            QApplication::processEvents();
        });
        std::printf("The main window's refresh tick with 32,767 events: %.4f ms\n", tick);
    }
    self.reset();

    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("Peak memory of this run: %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
