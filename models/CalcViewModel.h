#pragma once

#include "core/TimeUnit.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>
#include <array>
#include <optional>

class Settings;

// What the span boxes of the calculator show ("E" mode).
struct SpanTexts
{
    // Years to seconds in the pattern "0." plus one zero per decimal; no text when the unit's
    // decimals setting is unusable, and then its box keeps what it shows.
    std::array<std::optional<QString>, timeUnitCount> units;
    QString workdays;
    std::array<QString, 7> weekdays; // Sunday first, never negative
};

struct SpanInput
{
    QDate beginDate;
    QTime beginTime;
    QDate endDate;
    QTime endTime;
};

// What the shift part shows ("D" mode): a result, or the key of the message that refuses it.
struct ShiftOutcome
{
    enum class Status { Shifted, OutOfRange, Unchanged };
    Status status = Status::Unchanged;
    QDate date; // the result, when shifted
    QTime time;
    QString messageKey; // when out of range
};

struct ShiftInput
{
    QDate basedDate;
    QTime basedTime;
    bool add = true;
    QString quantity; // digits; empty counts as 0
    QString unit; // "Years" ... "Seconds"
};

// Turns the calculator's inputs into the texts and values its window shows. Reads the unit
// decimals and the workdays from the settings record at each call, so it follows the options.
class CalcViewModel
{
public:
    CalcViewModel(const Settings& settings, const QLocale& locale);

    // No value when a picker holds no valid date or time: the boxes stay as they are.
    std::optional<SpanTexts> span(const SpanInput& input) const;
    ShiftOutcome shift(const ShiftInput& input) const;

    // The unit list's items, in order.
    static QStringList unitNames();

private:
    const Settings& m_settings;
    QLocale m_locale;
};
