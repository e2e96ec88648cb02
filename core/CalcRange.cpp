#include "core/CalcRange.h"

namespace CalcRange {

Moment earliest()
{
    return *Moment::fromCivil(1601, 1, 1, 0, 0, 0);
}

Moment latest()
{
    return *Moment::fromCivil(9999, 12, 31, 23, 59, 59);
}

bool contains(const Moment& moment)
{
    return moment >= earliest() && moment <= latest();
}

} // namespace CalcRange
