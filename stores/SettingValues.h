#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

enum class SettingKey;

// The settings the program reads as numbers, flags and colours, each parsed with its one rule
// when the settings record takes its text, so every window reads the same value. No value
// where the text does not follow the rule; whoever reads it then keeps what it had.
struct SettingValues
{
    // "Refresh" as a timer interval: 0 stops the timers.
    std::optional<int> refreshMs;
    // "Sun" to "Sat": "Y" is a workday, "N" is not, any other text neither.
    std::array<std::optional<bool>, 7> workdays {};
    // "Size" in points.
    std::optional<double> fontSize;
    // "Back", "General", "Future", "Paused" and "Finished" as stored colour values.
    std::array<std::optional<qint32>, 5> colours {};

    // Parses the text of one key into its field; keys without a field are left alone.
    void take(SettingKey key, QStringView text);
    std::optional<qint32> colour(SettingKey key) const;

    // The rules. A refresh is whole seconds, blanks around allowed, whose milliseconds fit a
    // timer; a font size is above 0 and at most 1638 points; a colour a 32-bit whole number.
    static std::optional<int> parseRefreshMs(QStringView text);
    static std::optional<double> parseFontSize(QStringView text);
    static std::optional<qint32> parseColour(QStringView text);

    friend bool operator==(const SettingValues&, const SettingValues&) = default;
};
