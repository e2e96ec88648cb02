#include "platform/FileSystem.h"

#include "platform/FileAttributes.h"
#include "platform/FileKind.h"
#include "platform/SafeWrite.h"
#include "platform/WriteWatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

bool isReadOnly(const QString& path)
{
    const int attributes = fileAttributes(path);
    return attributes >= 0 && (attributes & FileAttribute::ReadOnly);
}

// Nothing but a regular file (or a link to one) is ever replaced.
bool refuseOther(const QString& path, QString* error)
{
    return fileKind(path) == FileKind::Other
        && !fail(error, QStringLiteral("%1 is not a regular file: it is left alone").arg(path));
}

} // namespace

bool FileSystem::fileExists(const QString& path) const
{
    return QFileInfo(path).isFile();
}

bool FileSystem::createTextFile(const QString& path, bool overwrite, QString* error) const
{
    if (refuseOther(path, error))
        return false;
    if (QFileInfo::exists(path)) {
        if (!overwrite)
            return fail(error, QStringLiteral("File already exists: %1").arg(path));
        if (isReadOnly(path))
            return fail(error, QStringLiteral("Permission denied, the file is read-only: %1").arg(path));
    }
    const WriteNote note(m_watch, path);
    return SafeWrite::replace(path, QByteArray(), error);
}

bool FileSystem::copyFile(
    const QString& source, const QString& destination, bool overwrite, QString* error) const
{
    QFile input(source);
    if (!QFileInfo(source).isFile() || !input.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("Cannot read %1: %2").arg(source, input.errorString()));
    if (refuseOther(destination, error))
        return false;
    if (QFileInfo::exists(destination)) {
        if (!overwrite)
            return fail(error, QStringLiteral("File already exists: %1").arg(destination));
        if (isReadOnly(destination))
            return fail(
                error, QStringLiteral("Permission denied, the file is read-only: %1").arg(destination));
        if (QFileInfo(source).canonicalFilePath() == QFileInfo(destination).canonicalFilePath())
            return fail(error, QStringLiteral("A file cannot be copied onto itself: %1").arg(source));
    }
    const QByteArray contents = input.readAll();
    if (input.error() != QFileDevice::NoError)
        return fail(error, QStringLiteral("Cannot read %1: %2").arg(source, input.errorString()));
    const WriteNote note(m_watch, destination);
    return SafeWrite::replace(destination, contents, error);
}

bool FileSystem::deleteFile(const QString& path, bool force, QString* error) const
{
    if (!QFileInfo(path).isFile())
        return fail(error, QStringLiteral("File not found: %1").arg(path));
    if (!force && isReadOnly(path))
        return fail(error, QStringLiteral("Permission denied, the file is read-only: %1").arg(path));
    QFile file(path);
    if (!file.remove())
        return fail(error, QStringLiteral("Cannot delete %1: %2").arg(path, file.errorString()));
    return true;
}

std::optional<QStringList> FileSystem::filesIn(const QString& folder, QString* error) const
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable()) {
        fail(error, QStringLiteral("Cannot list the folder %1").arg(folder));
        return std::nullopt;
    }
    // Hidden files count too: the data files are hidden on Windows and may start with a dot here.
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

bool FileSystem::setAttributes(const QString& path, int attributes, QString* error) const
{
    return setFileAttributes(path, attributes, error);
}
