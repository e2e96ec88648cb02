#pragma once

#include <QString>

class QLocale;

// Where Kronvel keeps its files. The folder named on the command line wins; otherwise the
// executable's folder when it is the program's own and writable (a krn unpacked into a folder
// of its own); otherwise the per-user data folder.
QString resolveDataFolder(const QString& commandLineFolder, const QString& executableFolder);

// Whether the executable's folder is an install prefix's program folder (/usr/bin,
// /usr/local/bin, ~/.local/bin, ...), shared with other programs and never a data folder.
bool isInstalledLocation(const QString& executableFolder);

// The per-user data folder (~/.local/share/kronvel under XDG), given the application name.
// Files of the doubled folder earlier releases used (~/.local/share/Kronvel/Kronvel) move there
// the first time, when the new folder is still missing or empty.
QString userDataFolder();

// Copies every shipped file under resourcePrefix (a Qt resource folder such as ":/shipped")
// into folder when the folder lacks it; files already there are never touched.
bool installShippedFiles(const QString& folder, const QString& resourcePrefix, QString* error = nullptr);

// The shipped set a start installs from: on a first start (the folder has no tips.dll yet) the
// set of locale's language, "<resourcePrefix>-<language code>" such as ":/shipped-de", when
// the program carries one; else resourcePrefix, the English set. An existing data folder
// keeps its files, whatever the language.
QString shippedTextSet(const QString& folder, const QString& resourcePrefix, const QLocale& locale);

// The full path of a file in the data folder.
QString dataFilePath(const QString& folder, const QString& fileName);

// Removes the temporary files that writes killed midway left in the folder: a file is
// replaced by writing "<name>.XXXXXX" beside it and renaming it over the file, so such a
// file of a "*.dll" that is still there is stale once this process owns the folder.
// Returns how many were removed.
int sweepStaleTemporaries(const QString& folder);
