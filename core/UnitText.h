#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class QLocale;

// The decimals of a unit as the settings hold them: a whole number from 0 to 99.
// Anything else (not a number, negative, absurdly large) is unusable.
std::optional<int> parseDecimals(QStringView text);

// The amount in the pattern "#,##0." plus one zero per decimal, in the given locale:
// grouped thousands, rounded half away from zero, and the decimal separator written even
// with no decimals ("90,061.").
QString unitText(double amount, int decimals, const QLocale& locale);

// No text when the decimals are unusable.
std::optional<QString> unitText(double amount, QStringView decimals, const QLocale& locale);
