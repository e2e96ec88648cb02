#include "KillScenario.h"

#include "components/TextLineFile.h"
#include "core/Moment.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "stores/DataFiles.h"
#include "stores/EventLine.h"
#include "stores/EventsFile.h"
#include "stores/SettingsFile.h"
#include "stores/WorksFile.h"

#include <QDir>
#include <QFile>

namespace {

constexpr int maxEvents = 60;
constexpr int maxWorks = 25;

QString settingsPath(const QString& folder)
{
    return dataFilePath(folder, DataFileName::settings);
}

QString worksPath(const QString& folder)
{
    return dataFilePath(folder, DataFileName::works);
}

// Names with letters beyond ASCII, so the encodings are part of every write.
QString eventName(int step)
{
    return u"\u00c9v\u00e9nement " % QString::number(step) % u" \u20ac";
}

QString momentText(int step)
{
    // One hour per step from 2001/01/01; every step's moment is a valid one.
    return Moment::fromSeconds(Moment::fromCivil(2001, 1, 1)->secondsSinceEpoch() + std::int64_t(step) * 3600)
        ->toText();
}

enum class Kind { Setting, Event, Work };

Kind kindOf(int step)
{
    return Kind(step % 3);
}

SettingKey settingOf(int step)
{
    return SettingKey((step / 3) % settingCount);
}

// A round of the events or works: 0 adds, 1 changes, 2 adds, 3 removes (when full, always
// one of the last two).
int roundOf(int step, qsizetype size, int max)
{
    const int round = (step / 3) % 4;
    if (size == 0)
        return 0;
    if (size >= max)
        return round % 2 == 0 ? 3 : 1;
    return round;
}

} // namespace

namespace KillScenario {

void apply(StoreState& state, int step)
{
    switch (kindOf(step)) {
    case Kind::Setting:
        state.settings.setValue(settingOf(step), QString::number(step));
        return;
    case Kind::Event: {
        auto& events = state.events;
        switch (roundOf(step, events.size(), maxEvents)) {
        case 1: { // the middle event changes name and date and moves to the end
            events.removeAt(events.size() / 2);
            events.append({ eventName(step), momentText(step) });
            return;
        }
        case 3:
            events.removeFirst();
            return;
        default:
            events.append({ eventName(step), momentText(step) });
            return;
        }
    }
    case Kind::Work: {
        auto& works = state.works;
        switch (roundOf(step, works.size(), maxWorks)) {
        case 1: { // the first work changes state and its line moves to the end
            WorkRecord work = works.takeFirst();
            work.status = work.isStarted() ? WorkStatus::paused : WorkStatus::started;
            work.pausedAt = work.isPaused() ? momentText(step) : WorkRecord::none;
            work.usedSeconds = QString::number(step * 7);
            works.append(work);
            return;
        }
        case 3:
            works.removeFirst();
            return;
        default:
            works.append(WorkRecord::startedAt(
                u"W\u00f6rk " % QString::number(step), *Moment::parse(momentText(step))));
            return;
        }
    }
    }
}

StoreState stateAfter(int step)
{
    StoreState state;
    for (int n = 1; n <= step; ++n)
        apply(state, n);
    return state;
}

bool write(const QString& folder, int step, const StoreState& before, QString* error)
{
    const TextLineFile lines;
    const FileSystem fileSystem;
    switch (kindOf(step)) {
    case Kind::Setting:
        return SettingsFile(settingsPath(folder)).writeValue(settingOf(step), QString::number(step), error);
    case Kind::Event: {
        const EventsFile events(folder, lines, fileSystem);
        switch (roundOf(step, before.events.size(), maxEvents)) {
        case 1:
            return events.change(
                before.events.at(before.events.size() / 2).first, eventName(step), momentText(step), error);
        case 3:
            return events.remove(before.events.first().first, error);
        default:
            return events.append(eventName(step), momentText(step), error);
        }
    }
    case Kind::Work: {
        const WorksFile works(worksPath(folder), lines, fileSystem);
        StoreState after = before;
        apply(after, step);
        switch (roundOf(step, before.works.size(), maxWorks)) {
        case 1:
            return works.rewrite(after.works.last(), error);
        case 3:
            return works.remove({ before.works.first().name }, error);
        default:
            return works.append(after.works.last(), error);
        }
    }
    }
    return false;
}

std::optional<StoreState> read(const QString& folder, QString* problem)
{
    StoreState state;
    if (!QFile::exists(settingsPath(folder))) {
        *problem = QStringLiteral("the settings file is missing");
        return std::nullopt;
    }
    state.settings = SettingsFile(settingsPath(folder)).read();

    const auto eventLines = TextLineFile::readLines(dataFilePath(folder, DataFileName::events), problem);
    if (!eventLines)
        return std::nullopt;
    for (const QString& line : *eventLines) {
        const auto event = EventLine::parse(line);
        if (!event) {
            *problem = u"an events line is no event: " % line;
            return std::nullopt;
        }
        state.events.append({ event->name, event->moment.toText() });
    }

    const auto workLines = TextLineFile::readLines(worksPath(folder), problem);
    if (!workLines)
        return std::nullopt;
    for (const QString& line : *workLines) {
        if (line.count(u'\t') != 6) {
            *problem = u"a works line is no work record: " % line;
            return std::nullopt;
        }
        state.works.append(WorkRecord::fromLine(line));
    }
    return state;
}

bool createEmpty(const QString& folder)
{
    QDir().mkpath(folder);
    for (const QString& path :
        { settingsPath(folder), dataFilePath(folder, DataFileName::events), worksPath(folder) }) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
    }
    return true;
}

int missingRecords(const StoreState& expected, const StoreState& actual)
{
    int missing = 0;
    for (int i = 0; i < settingCount; ++i) {
        const QString& value = expected.settings.value(SettingKey(i));
        if (!value.isEmpty() && actual.settings.value(SettingKey(i)) != value)
            ++missing;
    }
    for (const auto& event : expected.events)
        missing += actual.events.contains(event) ? 0 : 1;
    for (const WorkRecord& work : expected.works)
        missing += actual.works.contains(work) ? 0 : 1;
    return missing;
}

} // namespace KillScenario
