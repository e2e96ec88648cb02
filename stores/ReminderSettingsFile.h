#pragma once

#include "core/ReminderRules.h"

#include <QString>

// The reminder choices in section "Reminders" of the settings file, a section of their own so
// that the other sections and the Windows program's reading of the file stay as they are.
// Keys: Due, Ahead, AheadDays (whole days, comma-separated), Anniversary, AnniversaryEve,
// Round; flags are "Y" or "N". A missing or unreadable key takes its default.
namespace ReminderSettingsFile {

ReminderChoices read(const QString& path);
// Every key in one write; on failure the file is left as it was and the reason given.
bool write(const QString& path, const ReminderChoices& choices, QString* error = nullptr);

// "1, 7" and the like: whole days from 1 to 3,650, each once, in order; none for anything else.
std::optional<QList<int>> parseDays(const QString& text);
QString daysText(const QList<int>& days);

} // namespace ReminderSettingsFile
