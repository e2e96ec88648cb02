#include "core/ShiftCalc.h"

#include "core/CalcRange.h"

#include <chrono>
#include <limits>

namespace {

constexpr std::int64_t quantityLimit = std::numeric_limits<std::int32_t>::max();

std::int64_t unitSeconds(TimeUnit unit)
{
    switch (unit) {
    case TimeUnit::Weeks:
        return 7 * 86400;
    case TimeUnit::Days:
        return 86400;
    case TimeUnit::Hours:
        return 3600;
    case TimeUnit::Minutes:
        return 60;
    default:
        return 1;
    }
}

// Calendar months: the day of the month is kept, or becomes the target month's last day.
std::optional<Moment> addMonths(const Moment& base, std::int64_t months)
{
    using namespace std::chrono;
    const std::int64_t index = std::int64_t(base.year()) * 12 + (base.month() - 1) + months;
    const std::int64_t year = index >= 0 ? index / 12 : (index - 11) / 12;
    const int month = int(index - year * 12) + 1;
    if (year < Moment::minYear || year > Moment::maxYear)
        return std::nullopt;
    const unsigned last = unsigned(year_month_day_last(
        std::chrono::year(int(year)) / std::chrono::month(unsigned(month)) / std::chrono::last)
                                       .day());
    const int day = std::min(base.day(), int(last));
    return Moment::fromCivil(int(year), month, day, base.hour(), base.minute(), base.second());
}

} // namespace

double roomInUnit(const Moment& base, bool add, TimeUnit unit)
{
    const std::int64_t room = add ? CalcRange::latest().secondsSinceEpoch() - base.secondsSinceEpoch()
                                  : base.secondsSinceEpoch() - CalcRange::earliest().secondsSinceEpoch();
    return unitAmount(room, unit);
}

std::optional<Moment> shiftMoment(const ShiftRequest& request)
{
    const std::int64_t quantity = request.quantity;
    if (quantity < 0 || quantity > quantityLimit)
        return std::nullopt;
    // A quantity exactly equal to the room is refused too.
    if (double(quantity) >= roomInUnit(request.base, request.add, request.unit))
        return std::nullopt;
    const std::int64_t amount = request.add ? quantity : -quantity;
    std::optional<Moment> result;
    switch (request.unit) {
    case TimeUnit::Years:
        result = addMonths(request.base, amount * 12);
        break;
    case TimeUnit::Months:
        result = addMonths(request.base, amount);
        break;
    default:
        result = Moment::fromSeconds(request.base.secondsSinceEpoch() + amount * unitSeconds(request.unit));
        break;
    }
    // A calendar month can be longer than the average one, so the room check alone can let
    // 9999/12/01 plus one month through.
    if (!result || !CalcRange::contains(*result))
        return std::nullopt;
    return result;
}

const char* refusalKey(const ShiftRequest& request)
{
    if (request.quantity > quantityLimit)
        return "QTY BIG";
    // Nothing is fewer than 0: a refused 0 means there is no room at all.
    if (request.quantity <= 0)
        return "BASE AT END";
    static constexpr const char* keys[]
        = { "YEAR OUT", "MONTH OUT", "WEEK OUT", "DAY OUT", "HOUR OUT", "MIN OUT", "SECOND OUT" };
    return keys[int(request.unit)];
}
