#include "exchange/PeriodReport.h"

#include "core/Moment.h"
#include "core/TimeUnit.h"
#include "core/WorkRecord.h"
#include "core/WorkRules.h"
#include "exchange/DataTable.h"

#include <map>

namespace {

constexpr std::int64_t secondsPerDay = 86400;

// The first day of the period that holds moment, at 00:00:00.
Moment periodStart(const Moment& moment, ReportPeriod period, int firstDayOfWeek)
{
    const Moment day = *Moment::fromCivil(moment.year(), moment.month(), moment.day());
    switch (period) {
    case ReportPeriod::Day:
        return day;
    case ReportPeriod::Month:
        return *Moment::fromCivil(moment.year(), moment.month(), 1);
    case ReportPeriod::Week: {
        const int isoDay = moment.dayOfWeek() == 1 ? 7 : moment.dayOfWeek() - 1; // Monday 1 to Sunday 7
        const int back = (isoDay - firstDayOfWeek + 7) % 7;
        // The week of the calendar's first days begins on its first day.
        return Moment::fromSeconds(day.secondsSinceEpoch() - back * secondsPerDay).value_or(day);
    }
    }
    return day;
}

} // namespace

std::optional<ReportPeriod> reportPeriod(const QString& name)
{
    if (name == u"day")
        return ReportPeriod::Day;
    if (name == u"week")
        return ReportPeriod::Week;
    if (name == u"month")
        return ReportPeriod::Month;
    return std::nullopt;
}

DataTable periodReport(const QVector<WorkRecord>& works, ReportPeriod period, const Moment& now,
    int firstDayOfWeek, int hourDecimals)
{
    struct Sum
    {
        qint64 works = 0;
        qint64 seconds = 0;
    };
    std::map<Moment, Sum> sums;
    for (const WorkRecord& work : works) {
        const auto began = Moment::parse(work.began);
        if (!began)
            continue;
        const auto used
            = work.isStarted() ? WorkRules::runningSeconds(work, now) : WorkRules::storedSeconds(work);
        Sum& sum = sums[periodStart(*began, period, firstDayOfWeek)];
        ++sum.works;
        sum.seconds += used.value_or(0);
    }
    DataTable table;
    table.columns = { QStringLiteral("period"), QStringLiteral("works"), QStringLiteral("seconds"),
        QStringLiteral("hours") };
    for (const auto& [start, sum] : sums) {
        table.rows << QVector<DataValue> { PeriodStart { start, period == ReportPeriod::Month }, sum.works,
            sum.seconds, Amount { unitAmount(sum.seconds, TimeUnit::Hours), hourDecimals } };
    }
    return table;
}
