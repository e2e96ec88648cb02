// The lenient moment parser: any text a person types or a file holds.
#include "FuzzCheck.h"
#include "core/Moment.h"

#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto moment = Moment::parse(text);
    if (!moment)
        return 0;
    // A moment read is in range and comes back from its own stored form unchanged.
    KRN_FUZZ_CHECK(moment->year() >= Moment::minYear && moment->year() <= Moment::maxYear);
    const QString stored = moment->toText();
    KRN_FUZZ_CHECK(stored.size() == 19);
    KRN_FUZZ_CHECK(Moment::parse(stored) == moment);
    KRN_FUZZ_CHECK(Moment::fromSeconds(moment->secondsSinceEpoch()) == moment);
    return 0;
}
