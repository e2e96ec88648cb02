#pragma once

#include <QString>
#include <QVector>
#include <optional>

class Moment;
struct DataTable;
struct WorkRecord;

enum class ReportPeriod { Day, Week, Month };

// "day", "week" or "month"; no value for anything else.
std::optional<ReportPeriod> reportPeriod(const QString& name);

// The works' used time summed per period of their start, periods in time order: the period's
// first day, the number of works begun in it, their used seconds and those seconds in hours
// with hourDecimals. A started work counts to now. Weeks begin on firstDayOfWeek (1 Monday to
// 7 Sunday, as the locale gives it). Dates are counted on the calendar, so a daylight-saving
// change neither moves a work into another period nor changes its seconds. A work whose start
// cannot be read is left out.
DataTable periodReport(const QVector<WorkRecord>& works, ReportPeriod period, const Moment& now,
    int firstDayOfWeek, int hourDecimals);
