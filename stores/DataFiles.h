#pragma once

#include <QString>

class FileSystem;

// The files of the data folder.
namespace DataFileName {
inline const QString settings = QStringLiteral("krn.dll");
inline const QString works = QStringLiteral("works.dll");
inline const QString events = QStringLiteral("events.dll");
inline const QString tips = QStringLiteral("tips.dll");
inline const QString menus = QStringLiteral("menus.dll");
inline const QString menuTips = QStringLiteral("menutips.dll");
} // namespace DataFileName

// Makes sure the settings, works and events files exist (empty when new), then marks every
// "*.dll" of the folder, whatever the letter case of its ending, hidden and system and
// nothing else. Stops at its first failure and says why.
bool ensureDataFiles(const QString& folder, const FileSystem& fileSystem, QString* error = nullptr);
