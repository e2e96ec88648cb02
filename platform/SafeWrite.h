#pragma once

#include <QByteArray>
#include <QString>

// Reading and replacing the program's files without ever touching anything but a regular
// file. Both refuse, with a reason, a path that exists but is no regular file.
namespace SafeWrite {

// The whole file; a missing file reads as empty.
bool readAll(const QString& path, QByteArray* bytes, QString* error = nullptr);

// Replaces the file in one step (QSaveFile): a crash leaves the old bytes or the new ones.
// A symbolic link to a regular file is written through: its target is replaced and the link
// stays. Attributes are not looked at here.
bool replace(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace SafeWrite
