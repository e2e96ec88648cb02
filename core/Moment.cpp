#include "core/Moment.h"

#include <QDateTime>
#include <chrono>
#include <cstdio>

namespace {

using namespace std::chrono;

constexpr std::int64_t secondsPerDay = 86400;

// Days from 0001/01/01 to 1970/01/01, so that sys_days can be used for calendar work.
const std::int64_t epochOffsetDays
    = -sys_days(year_month_day(year(1), month(1), day(1))).time_since_epoch().count();

struct Civil
{
    int year, month, day, hour, minute, second;
};

Civil toCivil(std::int64_t seconds)
{
    std::int64_t days = seconds / secondsPerDay;
    std::int64_t rest = seconds % secondsPerDay;
    const year_month_day date(sys_days(std::chrono::days(days - epochOffsetDays)));
    return { int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())), int(rest / 3600),
        int(rest / 60 % 60), int(rest % 60) };
}

// Reads an unsigned decimal number of 1 to maxDigits digits at pos; advances pos.
std::optional<int> readNumber(QStringView text, qsizetype& pos, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128) {
        if (++digits > maxDigits)
            return std::nullopt;
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<Moment> Moment::fromCivil(int y, int mo, int d, int h, int mi, int s)
{
    if (y < minYear || y > maxYear || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59)
        return std::nullopt;
    const year_month_day date { std::chrono::year(y), std::chrono::month(unsigned(mo)),
        std::chrono::day(unsigned(d)) };
    if (mo < 1 || mo > 12 || d < 1 || !date.ok())
        return std::nullopt;
    const std::int64_t days = sys_days(date).time_since_epoch().count() + epochOffsetDays;
    return Moment(days * secondsPerDay + h * 3600 + mi * 60 + s);
}

std::optional<Moment> Moment::fromSeconds(std::int64_t seconds)
{
    static const std::int64_t first = fromCivil(minYear, 1, 1)->m_seconds;
    static const std::int64_t last = fromCivil(maxYear, 12, 31, 23, 59, 59)->m_seconds;
    if (seconds < first || seconds > last)
        return std::nullopt;
    return Moment(seconds);
}

std::optional<Moment> Moment::fromDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return std::nullopt;
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return fromCivil(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

std::optional<Moment> Moment::parse(QStringView text)
{
    text = text.trimmed();
    qsizetype pos = 0;
    const auto y = readNumber(text, pos, 4);
    if (!y || pos < 3 || pos >= text.size())
        return std::nullopt;
    const QChar separator = text[pos];
    if (separator != u'/' && separator != u'-')
        return std::nullopt;
    ++pos;
    const auto mo = readNumber(text, pos, 2);
    if (!mo || pos >= text.size() || text[pos] != separator)
        return std::nullopt;
    ++pos;
    const auto d = readNumber(text, pos, 2);
    if (!d)
        return std::nullopt;
    int h = 0, mi = 0, s = 0;
    if (pos < text.size()) {
        if (text[pos] != u' ' && text[pos] != u'T')
            return std::nullopt;
        while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'T'))
            ++pos;
        const auto hour = readNumber(text, pos, 2);
        if (!hour || pos >= text.size() || text[pos] != u':')
            return std::nullopt;
        ++pos;
        const auto minute = readNumber(text, pos, 2);
        if (!minute)
            return std::nullopt;
        h = *hour;
        mi = *minute;
        if (pos < text.size()) {
            if (text[pos] != u':')
                return std::nullopt;
            ++pos;
            const auto second = readNumber(text, pos, 2);
            if (!second)
                return std::nullopt;
            s = *second;
        }
        if (pos != text.size())
            return std::nullopt;
    }
    return fromCivil(*y, *mo, *d, h, mi, s);
}

QString Moment::dateText() const
{
    return toText().left(10);
}

QString Moment::timeText() const
{
    return toText().right(8);
}

QString Moment::toText() const
{
    const Civil c = toCivil(m_seconds);
    char text[20];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour,
        c.minute, c.second);
    return QString::fromLatin1(text, 19);
}

int Moment::year() const
{
    return toCivil(m_seconds).year;
}
int Moment::month() const
{
    return toCivil(m_seconds).month;
}
int Moment::day() const
{
    return toCivil(m_seconds).day;
}
int Moment::hour() const
{
    return toCivil(m_seconds).hour;
}
int Moment::minute() const
{
    return toCivil(m_seconds).minute;
}
int Moment::second() const
{
    return toCivil(m_seconds).second;
}

int Moment::dayOfWeek() const
{
    // 0001/01/01 was a Monday in the proleptic Gregorian calendar.
    const std::int64_t days = m_seconds / secondsPerDay;
    return int((days + 1) % 7) + 1;
}
