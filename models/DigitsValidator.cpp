#include "models/DigitsValidator.h"

#include <algorithm>

DigitsValidator::DigitsValidator(int maxDigits, QObject* parent)
    : QValidator(parent)
    , m_maxDigits(maxDigits)
{
}

QValidator::State DigitsValidator::validate(QString& input, int&) const
{
    // Only the ASCII digits: other scripts' digits are not numbers the settings file can hold.
    const bool digitsOnly
        = std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digitsOnly || (m_maxDigits > 0 && input.size() > m_maxDigits))
        return Invalid;
    return Acceptable;
}
