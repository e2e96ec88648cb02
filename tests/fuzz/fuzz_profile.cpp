// A profile (INI) file of any content: the reads the settings use, and a write of one key
// into it followed by a read of that key.
#include "FuzzCheck.h"
#include "components/ProfileFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>

namespace {

// One scratch file per process, so parallel fuzzing jobs do not share it.
QString scratchPath()
{
    static const QString path = QDir::tempPath() + u"/krn-fuzz-profile-"
        + QString::number(QCoreApplication::applicationPid()) + u".ini";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto entries = ProfileFile::readSection(buffer, QStringLiteral("System"));
    for (const auto& [key, value] : entries) {
        buffer.seek(0);
        // The first of duplicate keys wins, in a section read as in a single read.
        KRN_FUZZ_CHECK(ProfileFile::readText(buffer, QStringLiteral("System"), key) == value);
    }

    const QString path = scratchPath();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    const QString section = QStringLiteral("List");
    const QString key = QStringLiteral("Name");
    const QString value = QStringLiteral("Tahoma \u00e9\u20ac");
    if (ProfileFile::writeText(path, section, key, value))
        KRN_FUZZ_CHECK(ProfileFile::readText(path, section, key) == value);
    QFile::remove(path);
    return 0;
}
