#pragma once

#include "platform/FileAttributes.h"

#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QString>

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

} // namespace TestFiles

Q_DECLARE_METATYPE(TestFiles::Failure)
