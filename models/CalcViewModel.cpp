#include "models/CalcViewModel.h"

#include "core/Moment.h"
#include "core/ShiftCalc.h"
#include "core/SpanCalc.h"
#include "core/UnitText.h"
#include "stores/Settings.h"

#include <limits>

namespace {

std::optional<Moment> toMoment(const QDate& date, const QTime& time)
{
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return Moment::fromCivil(
        date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

std::optional<TimeUnit> unitNamed(const QString& name)
{
    for (TimeUnit unit : allTimeUnits) {
        if (name == QLatin1String(unitHeader(unit)))
            return unit;
    }
    return std::nullopt;
}

// The quantity box's digits as a number; one too long for 64 bits reads as the largest, which
// every range refuses. No value for anything but digits.
std::optional<std::int64_t> readQuantity(const QString& text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    return ok ? value : std::numeric_limits<std::int64_t>::max();
}

} // namespace

CalcViewModel::CalcViewModel(const Settings& settings, const QLocale& locale)
    : m_settings(settings)
    , m_locale(locale)
{
    // The calculator's pattern has no thousands separators; the decimal point is the locale's.
    m_locale.setNumberOptions(m_locale.numberOptions() | QLocale::OmitGroupSeparator);
}

std::optional<SpanTexts> CalcViewModel::span(const SpanInput& input) const
{
    const auto begin = toMoment(input.beginDate, input.beginTime);
    const auto end = toMoment(input.endDate, input.endTime);
    if (!begin || !end)
        return std::nullopt;
    std::array<bool, 7> isWorkday {};
    for (int day = 0; day < 7; ++day)
        isWorkday[size_t(day)] = m_settings.isWorkday(day + 1);
    const SpanResult result = computeSpan(*begin, *end, isWorkday);

    SpanTexts texts;
    for (TimeUnit unit : allTimeUnits) {
        const size_t index = size_t(unit);
        texts.units[index] = unitText(result.amounts[index], m_settings.decimals(unit), m_locale);
        // The sign tells the direction: an End before Begin keeps it even where the amount
        // rounds to zero ("-0." weeks of eight hours back).
        if (result.seconds < 0 && texts.units[index]
            && !texts.units[index]->startsWith(m_locale.negativeSign()))
            texts.units[index]->prepend(m_locale.negativeSign());
    }
    texts.workdays = m_locale.toString(qlonglong(result.workdays));
    for (size_t day = 0; day < 7; ++day)
        texts.weekdays[day] = m_locale.toString(qlonglong(result.weekdays.perWeekday[day]));
    return texts;
}

ShiftOutcome CalcViewModel::shift(const ShiftInput& input) const
{
    ShiftOutcome outcome;
    const auto base = toMoment(input.basedDate, input.basedTime);
    const auto unit = unitNamed(input.unit);
    const auto quantity = readQuantity(input.quantity);
    if (!base || !unit || !quantity)
        return outcome;
    const ShiftRequest request { *base, input.add, *quantity, *unit };
    const auto result = shiftMoment(request);
    if (!result) {
        outcome.status = ShiftOutcome::Status::OutOfRange;
        outcome.messageKey = QLatin1String(refusalKey(request));
        return outcome;
    }
    outcome.status = ShiftOutcome::Status::Shifted;
    outcome.date = QDate(result->year(), result->month(), result->day());
    outcome.time = QTime(result->hour(), result->minute(), result->second());
    return outcome;
}

QStringList CalcViewModel::unitNames()
{
    QStringList names;
    for (TimeUnit unit : allTimeUnits)
        names << QLatin1String(unitHeader(unit));
    return names;
}
