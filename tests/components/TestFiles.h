#pragma once

#include "platform/FileAttributes.h"

#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

// Small helpers for tests that write a file, change it and look at its bytes.
namespace TestFiles {

inline bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Ways to make a write fail. Root ignores permission bits, so a read-only folder is only
// used for other users.
enum class Failure { ReadOnlyFile, ReadOnlyFolder };

inline bool runsAsRoot()
{
    return ::geteuid() == 0;
}

inline void makeReadOnlyFolder(const QString& folder, bool readOnly)
{
    QFile::setPermissions(folder,
        readOnly ? (QFile::ReadOwner | QFile::ExeOwner)
                 : (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

// Puts something that is no regular file at path: "folder", "fifo", "link loop",
// "link to device"; or "link to file", a link to target holding bytes.
inline bool makeSpecial(const QString& path, const QString& kind, const QString& target = QString(),
    const QByteArray& bytes = QByteArray())
{
    if (kind == u"folder")
        return QDir().mkpath(path);
    if (kind == u"fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
    if (kind == u"link loop")
        return QFile::link(path, path);
    if (kind == u"link to device")
        return QFile::link(QStringLiteral("/dev/null"), path);
    return write(target, bytes) && QFile::link(target, path);
}

} // namespace TestFiles

Q_DECLARE_METATYPE(TestFiles::Failure)
