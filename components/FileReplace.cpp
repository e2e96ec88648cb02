#include "components/FileReplace.h"

#include "platform/FileAttributes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace FileReplace {

namespace {

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool readAll(const QString& path, QByteArray* bytes, QString* error)
{
    bytes->clear();
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(error, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return true;
}

bool writeAll(QIODevice& device, const QByteArray& bytes, QString* error)
{
    if (device.write(bytes) != bytes.size())
        return fail(error, device.errorString());
    return true;
}

bool replace(const QString& path, const QByteArray& bytes, QString* error)
{
    const int attributes = fileAttributes(path);
    if (attributes > 0 && (attributes & FileAttribute::ReadOnly))
        return fail(error, QStringLiteral("Cannot write %1: the file is read-only").arg(path));
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    if (!writeAll(file, bytes, &reason)) {
        file.cancelWriting();
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, reason));
    }
    if (!file.commit())
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    // The new file is a new inode: carry the hidden and system marks over. Failing here
    // loses no data, so it does not fail the write.
    if (attributes > 0)
        setFileAttributes(path, attributes);
    return true;
}

} // namespace FileReplace
