#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

class QDateTime;

// A naive local wall-clock moment to the second: no time zone, no daylight-saving shift.
// Held as whole seconds since 0001/01/01 00:00:00 of the proleptic Gregorian calendar, so
// differences are exact integer arithmetic.
class Moment
{
public:
    static constexpr int minYear = 100;
    static constexpr int maxYear = 9999;

    // No value when a field is out of range or the date does not exist.
    static std::optional<Moment> fromCivil(
        int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    static std::optional<Moment> fromSeconds(std::int64_t seconds);
    // The wall-clock fields of a QDateTime; milliseconds are cut off.
    static std::optional<Moment> fromDateTime(const QDateTime& dateTime);

    // Reads what a person types or an older file holds: "2010/1/1 12:00:00", "2010-01-01",
    // "2010/01/01 9:05" (seconds and the whole time are optional).
    static std::optional<Moment> parse(QStringView text);

    // "YYYY/MM/DD HH:MM:SS", the one stored and displayed form; texts of this form sort in time order.
    QString toText() const;
    QString dateText() const; // "YYYY/MM/DD"
    QString timeText() const; // "HH:MM:SS"

    std::int64_t secondsSinceEpoch() const { return m_seconds; }
    int year() const;
    int month() const;
    int day() const;
    int hour() const;
    int minute() const;
    int second() const;
    // 1 for Sunday to 7 for Saturday.
    int dayOfWeek() const;

    friend auto operator<=>(const Moment&, const Moment&) = default;

private:
    explicit Moment(std::int64_t seconds)
        : m_seconds(seconds)
    {
    }
    std::int64_t m_seconds = 0;
};
