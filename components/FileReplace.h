#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Reading and atomically replacing the files the components change.
namespace FileReplace {

// The whole file; a missing file reads as empty. False with a reason when it exists but
// cannot be read or is no regular file (a folder, pipe, device or broken link).
bool readAll(const QString& path, QByteArray* bytes, QString* error);

// Writes bytes to the device; false with the device's reason when not all were written.
bool writeAll(QIODevice& device, const QByteArray& bytes, QString* error);

// Replaces the file in one step (QSaveFile): afterwards it holds either its old bytes or
// the new ones. A read-only file is refused, as the system refuses it; hidden and system
// attributes are kept. A link to a regular file is written through and stays a link;
// anything else that is not a regular file is refused and left alone.
bool replace(const QString& path, const QByteArray& bytes, QString* error);

} // namespace FileReplace
