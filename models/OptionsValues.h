#pragma once

#include <QString>
#include <array>

class Settings;
class SettingsFile;

// What the options dialog edits, as its controls hold it: the texts of the seven precision
// boxes and the refresh box, the workday ticks from Sunday, the font texts and the five
// swatch colours (Back, General, Future, Paused, Finished) as stored colour values.
struct OptionsValues
{
    static constexpr int precisionCount = 7;
    static constexpr int refreshBox = 7;
    static constexpr int swatchCount = 5;

    std::array<QString, 8> numbers;
    std::array<bool, 7> workdays {};
    QString fontName;
    QString fontSize;
    std::array<qint32, swatchCount> colours {};

    friend bool operator==(const OptionsValues&, const OptionsValues&) = default;
};

// Puts the settings record into values. The numbers are taken unchecked; a workday reads "Y"
// or "N", any other text keeps the tick values already has; an empty font name shows
// "Tahoma", an empty size "9". A colour that is empty or not a 32-bit number shows the
// key's default, which is also what the lists show for it.
void loadOptions(OptionsValues& values, const Settings& settings);

// Writes the "System" and "List" keys of the dialog in one write, in record order: the
// numbers exactly as typed, "Y"/"N" workdays, the font texts and the colours in decimal.
// Given the settings the dialog opened with, only the keys whose text differs from them are
// written, on top of the file as it is now, so a key changed outside meanwhile is kept.
// False with the reason when the write failed.
bool saveOptions(const OptionsValues& values, const SettingsFile& file, QString* error = nullptr,
    const Settings* opened = nullptr);
