#include "app/ExchangeCommand.h"

#include "app/EventsListing.h"
#include "app/ExchangeRequest.h"
#include "app/HeadlessStart.h"
#include "components/FileReplace.h"
#include "components/TextLineFile.h"
#include "core/WorkRecord.h"
#include "exchange/CalendarImport.h"
#include "exchange/DataTable.h"
#include "exchange/EventsExport.h"
#include "exchange/ListTables.h"
#include "exchange/PeriodReport.h"
#include "exchange/TableWriters.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "platform/SingleInstance.h"
#include "stores/DataFiles.h"
#include "stores/EventsFile.h"
#include "stores/SettingsFile.h"
#include "stores/WorksFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using Kind = ExchangeRequest::Kind;

struct FolderData
{
    Settings settings;
    QVector<EventEntry> events;
    QVector<WorkRecord> works;
};

// Reads the folder as the window's load does; see runExchange.
bool readFolder(
    const QString& folder, bool owner, bool withWorks, const Moment& now, FolderData& data, QString* error)
{
    const FileSystem files;
    const TextLineFile lines;
    const SettingsFile settingsFile(dataFilePath(folder, DataFileName::settings));
    QTemporaryDir copy;
    QString source = folder;
    if (owner) {
        if (!ensureDataFiles(folder, files, error))
            return false;
        data.settings = settingsFile.readAtStartup(error);
    } else {
        data.settings = settingsFile.read();
        for (const QString& name : { DataFileName::events, DataFileName::works }) {
            const QString path = dataFilePath(folder, name);
            if (files.fileExists(path) && !files.copyFile(path, dataFilePath(copy.path(), name), true, error))
                return false;
        }
        source = copy.path();
    }
    QVector<EventRecord> events;
    if (!EventsFile(source, lines, files).load(events, now, error))
        return false;
    for (const EventRecord& event : events)
        data.events.append({ event.name, event.moment });
    return !withWorks
        || WorksFile(dataFilePath(source, DataFileName::works), lines, files).load(&data.works, now, error);
}

QByteArray formatted(const DataTable& table, const QString& format, const QLocale& locale)
{
    if (format == u"csv")
        return toCsv(table);
    if (format == u"json")
        return toJson(table);
    return toTabText(table, locale).toUtf8();
}

// The works as the window lists them: name, status, began, finished and the seven counters.
DataTable shownWorkColumns(DataTable table)
{
    const auto keep = [](auto& list) { list.remove(4, 3); };
    keep(table.columns);
    for (auto& row : table.rows)
        keep(row);
    return table;
}

QByteArray importReport(const QString& file, const ImportResult& result)
{
    QString text = u"Added " % QString::number(result.added.size()) % u" events from " % file % u":\n";
    for (const EventEntry& event : result.added)
        text += u"  " % event.name % u'\t' % event.moment.toText() % u'\n';
    text += u"Skipped " % QString::number(result.skipped.size()) % u":\n";
    for (const SkippedEntry& skipped : result.skipped)
        text += u"  " % (skipped.name.isEmpty() ? QStringLiteral("(no name)") : skipped.name) % u": "
            % skipped.reason % u'\n';
    return text.toUtf8();
}

} // namespace

int runExchange(const ExchangeRequest& request, const QString& folder, bool owner, const Moment& now,
    const QDateTime& stamp, const QLocale& locale, QByteArray& out, QByteArray& err)
{
    const auto failed = [&err](const QString& reason) {
        err += (u"krn: " % reason % u'\n').toUtf8();
        return 1;
    };
    if (request.kind == Kind::Events && request.format == u"tsv") {
        QString table;
        QStringList errors;
        const bool read = eventsListing(folder, now, locale, owner, &table, &errors);
        out += table.toUtf8();
        for (const QString& error : errors)
            err += (u"krn: " % error % u'\n').toUtf8();
        return read ? 0 : 1;
    }
    if (request.kind == Kind::Import && !owner)
        return failed(u"Kronvel is running on " % QDir::toNativeSeparators(folder)
            % u" and only its window changes the events there: import the calendar from its Event menu, "
              u"or close it first.");

    FolderData data;
    QString error;
    const bool withWorks = request.kind == Kind::Works || request.kind == Kind::Report;
    if (!readFolder(folder, owner, withWorks, now, data, &error))
        return failed(error);
    const UnitDecimals decimals = unitDecimals(data.settings);
    switch (request.kind) {
    case Kind::None:
        return 0;
    case Kind::Events:
        out += formatted(eventTable(data.events, now, decimals), request.format, locale);
        return 0;
    case Kind::Works: {
        const DataTable works = workTable(data.works, now, decimals);
        out += formatted(request.format == u"tsv" ? shownWorkColumns(works) : works, request.format, locale);
        return 0;
    }
    case Kind::Report:
        out += formatted(periodReport(data.works, *reportPeriod(request.period), now,
                             int(locale.firstDayOfWeek()), decimals[int(TimeUnit::Hours)].value_or(2)),
            request.format, locale);
        return 0;
    case Kind::Import: {
        const auto result = importCalendar(request.file, dataFilePath(folder, DataFileName::events), &error);
        if (!result)
            return failed(u"Cannot import " % request.file % u": " % error % u". The events are unchanged.");
        out += importReport(request.file, *result);
        return 0;
    }
    case Kind::Export: {
        const ExportFormat format = *exportFormatFor(request.file);
        if (!FileReplace::replace(
                request.file, exportEvents(format, data.events, now, decimals, stamp), &error))
            return failed(error);
        out += (u"Wrote " % QString::number(data.events.size()) % u" events to " % request.file % u".\n")
                   .toUtf8();
        return 0;
    }
    }
    return 0;
}

int runExchangeCommand(
    const ExchangeRequest& request, const QString& folderOption, const QString& shippedFiles)
{
    const auto start = startWithoutWindow(folderOption, shippedFiles);
    if (!start)
        return 1;
    const QString& folder = start->folder;
    const bool owner = start->owner;
    const QDateTime clock = SystemClock().now();
    const auto now = Moment::fromDateTime(clock);
    if (!now)
        return 1;
    QByteArray out;
    QByteArray err;
    const int status = runExchange(request, folder, owner, *now, clock, QLocale::system(), out, err);
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fwrite(err.constData(), 1, size_t(err.size()), stderr);
    return status;
}
