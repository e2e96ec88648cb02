#pragma once

#include <QString>

// Where Kronvel keeps its files. The folder named on the command line wins; otherwise the
// executable's folder when it is writable (the portable layout); otherwise the per-user
// application data folder.
QString resolveDataFolder(const QString& commandLineFolder, const QString& executableFolder);

// Copies every shipped file under resourcePrefix (a Qt resource folder such as ":/shipped")
// into folder when the folder lacks it; files already there are never touched.
bool installShippedFiles(const QString& folder, const QString& resourcePrefix, QString* error = nullptr);

// The full path of a file in the data folder.
QString dataFilePath(const QString& folder, const QString& fileName);

// Removes the temporary files that writes killed midway left in the folder: a file is
// replaced by writing "<name>.XXXXXX" beside it and renaming it over the file, so such a
// file of a "*.dll" that is still there is stale once this process owns the folder.
// Returns how many were removed.
int sweepStaleTemporaries(const QString& folder);
