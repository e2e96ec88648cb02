#include "components/FileReplace.h"

#include "platform/FileAttributes.h"
#include "platform/SafeWrite.h"

#include <QIODevice>

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
    return SafeWrite::readAll(path, bytes, error);
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
    if (!SafeWrite::replace(path, bytes, error))
        return false;
    // The new file is a new inode: carry the hidden and system marks over. Failing here
    // loses no data, so it does not fail the write.
    if (attributes > 0)
        setFileAttributes(path, attributes);
    return true;
}

} // namespace FileReplace
