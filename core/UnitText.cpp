#include "core/UnitText.h"

#include <QLocale>
#include <cmath>

std::optional<int> parseDecimals(QStringView text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0 || value > 99)
        return std::nullopt;
    return value;
}

QString unitText(double amount, int decimals, const QLocale& locale)
{
    QString text = locale.toString(amount, 'f', decimals);
    // A negative amount that rounds to zero reads as zero, not "-0.00".
    if (text.startsWith(locale.negativeSign())) {
        const double rounded = std::round(std::fabs(amount) * std::pow(10.0, decimals));
        if (rounded == 0)
            text.remove(0, locale.negativeSign().size());
    }
    if (decimals == 0)
        text += locale.decimalPoint();
    return text;
}

std::optional<QString> unitText(double amount, QStringView decimals, const QLocale& locale)
{
    const auto count = parseDecimals(decimals);
    if (!count)
        return std::nullopt;
    return unitText(amount, *count, locale);
}
