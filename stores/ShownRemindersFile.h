#pragma once

#include "core/ReminderState.h"

#include <QString>
#include <optional>

// The file "reminders.dll" of the data folder keeps what the reminders have dealt with, so a
// restart neither repeats a reminder nor loses one that came due while Kronvel was away. The
// Windows program does not know the file and leaves it alone. First line: "Checked", a tab,
// the moment checked, a tab, the latest moment; then one shown reminder's key per line.
// Written in one step: a crash leaves the old file or the new one.
namespace ShownRemindersFile {

inline const QString fileName = QStringLiteral("reminders.dll");

// None when the file is missing or its first line unreadable: the reminders start afresh.
std::optional<ReminderState> read(const QString& path);
bool write(const QString& path, const ReminderState& state, QString* error = nullptr);

} // namespace ShownRemindersFile
