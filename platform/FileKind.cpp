#include "platform/FileKind.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

FileKind fileKind(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat status = {};
    if (::lstat(native.constData(), &status) != 0)
        return FileKind::Missing;
    if (S_ISLNK(status.st_mode) && ::stat(native.constData(), &status) != 0)
        return FileKind::Other; // a dangling link or a loop: writing would replace the link
    return S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
}

QString regularFileBehind(const QString& path)
{
    if (fileKind(path) != FileKind::Regular)
        return QString();
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? path : target;
}
