#include "platform/FileAttributes.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

constexpr char kAttributeName[] = "user.DOSATTRIB";
constexpr int kStoredBits = FileAttribute::Hidden | FileAttribute::System | FileAttribute::Archive;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

bool isUnsupported(int code)
{
    return code == ENOTSUP || code == EOPNOTSUPP;
}

// Hidden, system and archive as the text "0x" plus hex bits, the form Samba and Wine read.
bool writeStoredBits(const QString& path, int bits, QString* error)
{
    const QByteArray native = QFile::encodeName(path);
    int result = 0;
    if (bits == 0) {
        result = ::removexattr(native.constData(), kAttributeName);
        if (result != 0 && errno == ENODATA)
            return true;
    } else {
        const QByteArray text = "0x" + QByteArray::number(bits, 16);
        result = ::setxattr(native.constData(), kAttributeName, text.constData(), size_t(text.size()), 0);
    }
    if (result == 0 || isUnsupported(errno))
        return true; // a file system without extended attributes simply cannot hide files
    setError(error, QStringLiteral("Cannot set the attributes of %1: %2").arg(path, systemError(errno)));
    return false;
}

int readStoredBits(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    char buffer[64] = {};
    const ssize_t length = ::getxattr(native.constData(), kAttributeName, buffer, sizeof buffer - 1);
    if (length <= 0)
        return 0;
    // Samba's newer binary form is not text; only the "0x…" text form is understood.
    const QByteArray text = QByteArray(buffer, int(length)).trimmed();
    if (!text.startsWith("0x") && !text.startsWith("0X"))
        return 0;
    bool ok = false;
    const int bits = text.mid(2).toInt(&ok, 16);
    return ok ? (bits & kStoredBits) : 0;
}

// The mode bits themselves, not access(): root may write anywhere, yet a file is read-only.
bool hasWriteBits(const QString& path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && (status.st_mode & kWriteBits);
}

bool setReadOnly(const QString& path, bool readOnly, QString* error)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat status = {};
    if (::stat(native.constData(), &status) == 0) {
        const mode_t now = status.st_mode & 07777;
        // A file its owner may not read stays exactly as the user set it: making it
        // writable would only invite a blind overwrite.
        const bool unreadable = !(now & S_IRUSR);
        const mode_t wanted = unreadable ? now : readOnly ? (now & ~kWriteBits) : (now | S_IWUSR);
        if (wanted == now || ::chmod(native.constData(), wanted) == 0)
            return true;
    }
    setError(
        error, QStringLiteral("Cannot change the write permission of %1: %2").arg(path, systemError(errno)));
    return false;
}

} // namespace

bool setFileAttributes(const QString& path, int attributes, QString* error)
{
    if (!QFileInfo(path).isFile()) {
        setError(error, QStringLiteral("File not found: %1").arg(path));
        return false;
    }
    const bool readOnly = attributes & FileAttribute::ReadOnly;
    // Writing an extended attribute needs write permission, so lift read-only first and
    // set it last.
    if (!readOnly && !setReadOnly(path, false, error))
        return false;
    if (!writeStoredBits(path, attributes & kStoredBits, error))
        return false;
    return !readOnly || setReadOnly(path, true, error);
}

int fileAttributes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return -1;
    int attributes = readStoredBits(path);
    if (!hasWriteBits(path))
        attributes |= FileAttribute::ReadOnly;
    return attributes;
}
