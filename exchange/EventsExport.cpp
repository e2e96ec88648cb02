#include "exchange/EventsExport.h"

#include "exchange/Calendar.h"
#include "exchange/DataTable.h"
#include "exchange/ListTables.h"
#include "exchange/TableWriters.h"

std::optional<ExportFormat> exportFormatFor(const QString& path)
{
    if (path.endsWith(u".ics", Qt::CaseInsensitive))
        return ExportFormat::Calendar;
    if (path.endsWith(u".csv", Qt::CaseInsensitive))
        return ExportFormat::Csv;
    if (path.endsWith(u".json", Qt::CaseInsensitive))
        return ExportFormat::Json;
    return std::nullopt;
}

QByteArray exportEvents(ExportFormat format, const QVector<EventEntry>& events, const Moment& now,
    const UnitDecimals& decimals, const QDateTime& stamp)
{
    switch (format) {
    case ExportFormat::Calendar:
        return writeCalendar(events, stamp);
    case ExportFormat::Csv:
        return toCsv(eventTable(events, now, decimals));
    case ExportFormat::Json:
        return toJson(eventTable(events, now, decimals));
    }
    return {};
}
