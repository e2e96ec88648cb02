// Prints what the calculator's weekday and workday counts cost, closed form against the
// day-by-day walk, over ranges up to the whole calendar, and whether the two agree.
#include "bench/Timing.h"
#include "core/WeekdayCount.h"
#include "models/CalcViewModel.h"
#include "tests/core/DayByDayWalk.h"
#include "tests/models/DefaultSettings.h"

#include <cstdio>

namespace {

Moment at(const QDate& date)
{
    return *Moment::fromCivil(date.year(), date.month(), date.day());
}

} // namespace

int main()
{
    const std::array<bool, 7> mondayToFriday = { false, true, true, true, true, true, false };
    struct Range
    {
        const char* name;
        QDate first, last;
    };
    const Range ranges[] = {
        { "one week", QDate(2024, 5, 6), QDate(2024, 5, 12) },
        { "one year", QDate(2024, 1, 1), QDate(2024, 12, 31) },
        { "one century", QDate(1901, 1, 1), QDate(2000, 12, 31) },
        { "whole calendar", QDate(1601, 1, 1), QDate(9999, 12, 31) },
    };
    std::int64_t sink = 0;
    bool allAgree = true;
    std::printf(
        "%-15s %10s %14s %14s %8s %7s\n", "range", "dates", "closed form", "day-by-day", "ratio", "agree");
    for (const Range& range : ranges) {
        const std::int64_t dates = range.first.daysTo(range.last) + 1;
        WeekdayCount counted;
        const double closed = nanosecondsPerCall(200000, [&](int i) {
            counted = countWeekdays(at(range.first.addDays(i % 2)), at(range.last));
            sink += counted.workdays(mondayToFriday);
        });
        counted = countWeekdays(at(range.first), at(range.last));
        WeekdayCount walked;
        const int walks = dates > 100000 ? 1 : 20;
        const double walk
            = nanosecondsPerCall(walks, [&](int) { walked = walkWeekdays(range.first, range.last); });
        const bool agree = counted.perWeekday == walked.perWeekday
            && counted.workdays(mondayToFriday) == walked.workdays(mondayToFriday);
        allAgree = allAgree && agree;
        std::printf("%-15s %10lld %11.0f ns %11.3f ms %7.0fx %7s\n", range.name, (long long)dates, closed,
            walk / 1e6, walk / closed, agree ? "yes" : "NO");
    }

    // A whole recalculation of the span part: seconds, seven unit texts, workdays and weekdays.
    const Settings settings = defaultSettings();
    const CalcViewModel model(settings, QLocale::c());
    const double span = nanosecondsPerCall(100000, [&](int i) {
        sink += model.span({ QDate(1601, 1, 1), QTime(0, 0), QDate(9999, 12, 31), QTime(23, 59, i % 60) })
                    ->workdays.size();
    });
    std::printf("span texts over the whole calendar: %8.0f ns\n", span);
    std::printf("closed form and walk agree on every range: %s\n", allAgree ? "yes" : "NO");
    return sink == 0 || !allAgree ? 1 : 0;
}
