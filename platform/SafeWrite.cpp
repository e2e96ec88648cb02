#include "platform/SafeWrite.h"

#include "platform/FileKind.h"

#include <QFile>
#include <QSaveFile>

namespace SafeWrite {

namespace {

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

QString notRegular(const QString& path)
{
    return QStringLiteral("%1 is not a regular file (a folder, device, pipe or broken link): "
                          "it is left alone")
        .arg(path);
}

} // namespace

bool readAll(const QString& path, QByteArray* bytes, QString* error)
{
    bytes->clear();
    switch (fileKind(path)) {
    case FileKind::Missing:
        return true;
    case FileKind::Other:
        return fail(error, QStringLiteral("Cannot read ") % notRegular(path));
    case FileKind::Regular:
        break;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(error, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return true;
}

bool replace(const QString& path, const QByteArray& bytes, QString* error)
{
    QString target = path;
    if (fileKind(path) == FileKind::Other)
        return fail(error, QStringLiteral("Cannot write ") % notRegular(path));
    if (fileKind(path) == FileKind::Regular)
        target = regularFileBehind(path);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, reason));
    }
    if (!file.commit())
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

} // namespace SafeWrite
