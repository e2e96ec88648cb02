#include "exchange/ListTables.h"

#include "core/SpanSeconds.h"
#include "core/UnitText.h"
#include "core/WorkRecord.h"
#include "core/WorkRules.h"
#include "exchange/DataTable.h"
#include "stores/Settings.h"

#include <cstdlib>

namespace {

const QStringList unitColumns = { QStringLiteral("years"), QStringLiteral("months"), QStringLiteral("weeks"),
    QStringLiteral("days"), QStringLiteral("hours"), QStringLiteral("minutes"), QStringLiteral("seconds") };

void appendCounters(QVector<DataValue>& row, std::optional<qint64> seconds, const UnitDecimals& decimals)
{
    for (TimeUnit unit : allTimeUnits) {
        const auto places = decimals[int(unit)];
        if (seconds && places)
            row << Amount { unitAmount(*seconds, unit), *places };
        else
            row << DataValue();
    }
}

DataValue momentOrText(const QString& text)
{
    if (text == WorkRecord::none)
        return {};
    if (const auto moment = Moment::parse(text))
        return *moment;
    return text;
}

DataValue numberOrText(const QString& text)
{
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok);
    return ok ? DataValue(number) : DataValue(text);
}

} // namespace

UnitDecimals unitDecimals(const Settings& settings)
{
    UnitDecimals decimals;
    for (TimeUnit unit : allTimeUnits)
        decimals[int(unit)] = parseDecimals(settings.decimals(unit));
    return decimals;
}

DataTable eventTable(const QVector<EventEntry>& events, const Moment& now, const UnitDecimals& decimals)
{
    DataTable table;
    table.columns = QStringList { QStringLiteral("name"), QStringLiteral("type"), QStringLiteral("moment") }
        + unitColumns;
    for (const EventEntry& event : events) {
        const std::int64_t signedSeconds = secondsUntilNow(event.moment, now);
        QVector<DataValue> row { event.name,
            signedSeconds > 0 ? QStringLiteral("Past") : QStringLiteral("Future"), event.moment };
        appendCounters(row, std::llabs(signedSeconds), decimals);
        table.rows << row;
    }
    return table;
}

DataTable workTable(const QVector<WorkRecord>& works, const Moment& now, const UnitDecimals& decimals)
{
    DataTable table;
    table.columns = QStringList { QStringLiteral("name"), QStringLiteral("status"), QStringLiteral("began"),
        QStringLiteral("finished"), QStringLiteral("pausedSeconds"), QStringLiteral("pausedAt"),
        QStringLiteral("usedSeconds") }
        + unitColumns;
    for (const WorkRecord& work : works) {
        const auto used
            = work.isStarted() ? WorkRules::runningSeconds(work, now) : WorkRules::storedSeconds(work);
        QVector<DataValue> row { work.name, work.status, momentOrText(work.began),
            momentOrText(work.finished), numberOrText(work.pausedSeconds), momentOrText(work.pausedAt),
            used ? DataValue(qint64(*used)) : numberOrText(work.usedSeconds) };
        appendCounters(row, used ? std::optional<qint64>(*used) : std::nullopt, decimals);
        table.rows << row;
    }
    return table;
}
