#include "app/ExchangeRequest.h"

#include "exchange/EventsExport.h"
#include "exchange/PeriodReport.h"

#include <QCommandLineParser>

namespace {

const QString format = QStringLiteral("format");
const QString works = QStringLiteral("works");
const QString report = QStringLiteral("report");
const QString import = QStringLiteral("import");
const QString exportTo = QStringLiteral("export");

} // namespace

QList<QCommandLineOption> exchangeOptions()
{
    return {
        { works, QStringLiteral("Print the works with their counters and exit.") },
        { report,
            QStringLiteral(
                "Print the works' used time summed per day, week or month of their start and exit."),
            QStringLiteral("period") },
        { format,
            QStringLiteral(
                "Print --list, --works or --report as tsv (tab-separated, the default), csv or json."),
            QStringLiteral("format") },
        { import, QStringLiteral("Add the events of an iCalendar file (.ics) whose names are new and exit."),
            QStringLiteral("file") },
        { exportTo,
            QStringLiteral("Write the events to a file as iCalendar, CSV or JSON, by its ending "
                           "(.ics, .csv or .json), and exit."),
            QStringLiteral("file") },
    };
}

ExchangeRequest exchangeRequest(const QCommandLineParser& parser, bool list, QString* error)
{
    ExchangeRequest request;
    QStringList asked;
    const auto ask = [&](bool isSet, ExchangeRequest::Kind kind, const QString& name) {
        if (!isSet)
            return;
        request.kind = kind;
        asked << u"--" % name;
    };
    ask(list, ExchangeRequest::Kind::Events, QStringLiteral("list"));
    ask(parser.isSet(works), ExchangeRequest::Kind::Works, works);
    ask(parser.isSet(report), ExchangeRequest::Kind::Report, report);
    ask(parser.isSet(import), ExchangeRequest::Kind::Import, import);
    ask(parser.isSet(exportTo), ExchangeRequest::Kind::Export, exportTo);
    const auto refuse = [&](const QString& text) {
        *error = text;
        return ExchangeRequest();
    };
    if (asked.size() > 1)
        return refuse(asked.join(QStringLiteral(", ")) % u" cannot be used together.");
    const bool printed = request.kind == ExchangeRequest::Kind::Events
        || request.kind == ExchangeRequest::Kind::Works || request.kind == ExchangeRequest::Kind::Report;
    if (parser.isSet(format)) {
        request.format = parser.value(format);
        if (!printed)
            return refuse(QStringLiteral("--format goes with --list, --works or --report."));
        if (request.format != u"tsv" && request.format != u"csv" && request.format != u"json")
            return refuse(u"Unknown format: " % request.format % u" (use tsv, csv or json).");
    }
    request.period = parser.value(report);
    if (request.kind == ExchangeRequest::Kind::Report && !reportPeriod(request.period))
        return refuse(u"Unknown period: " % request.period % u" (use day, week or month).");
    request.file
        = request.kind == ExchangeRequest::Kind::Import ? parser.value(import) : parser.value(exportTo);
    if (request.kind == ExchangeRequest::Kind::Export && !exportFormatFor(request.file))
        return refuse(
            u"Cannot export to " % request.file % u": the file name must end in .ics, .csv or .json.");
    // A plain --list keeps its own printing.
    if (request.kind == ExchangeRequest::Kind::Events && !parser.isSet(format))
        request.kind = ExchangeRequest::Kind::None;
    return request;
}
