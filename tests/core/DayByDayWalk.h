#pragma once

#include "core/WeekdayCount.h"

#include <QDate>
#include <QString>
#include <algorithm>

// The weekday counts taken the slow way, as a reference for the closed form: every calendar
// date from the earlier to the later, both included, one step per day, the dates compared as
// "yyyy/MM/dd" texts. The step past 9999/12/31 would write a five-digit year that sorts before
// "9999", so the walk also stops at the end of the calendar.
inline WeekdayCount walkWeekdays(const QDate& one, const QDate& other)
{
    const QString format = QStringLiteral("yyyy/MM/dd");
    const QDate calendarEnd(9999, 12, 31);
    const QString last = std::max(one, other).toString(format);
    WeekdayCount count;
    QDate date = std::min(one, other);
    while (date.isValid() && date.toString(format) <= last) {
        ++count.perWeekday[size_t(date.dayOfWeek() % 7)]; // QDate counts Monday as 1, Sunday as 7
        if (date == calendarEnd)
            break;
        date = date.addDays(1);
    }
    return count;
}
