#include "platform/DataFolder.h"

#include "platform/FileSystem.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString chooseFolder(const QString& commandLineFolder, const QString& executableFolder)
{
    if (!commandLineFolder.isEmpty())
        return QDir(commandLineFolder).absolutePath();
    // The portable layout: files beside the program, as long as we may write there.
    const QFileInfo executable(executableFolder);
    if (!executableFolder.isEmpty() && executable.isDir() && executable.isWritable())
        return executable.absoluteFilePath();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

QString resolveDataFolder(const QString& commandLineFolder, const QString& executableFolder)
{
    const QString folder = QDir::cleanPath(chooseFolder(commandLineFolder, executableFolder));
    // A failure shows later, when the first file cannot be written and the user is told.
    QDir().mkpath(folder);
    return folder;
}

bool installShippedFiles(const QString& folder, const QString& resourcePrefix, QString* error)
{
    const QDir source(resourcePrefix);
    const QDir target(folder);
    const FileSystem files;
    QDirIterator it(resourcePrefix, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = source.relativeFilePath(from);
        const QString to = target.filePath(relative);
        if (QFileInfo::exists(to))
            continue;
        if (!QDir().mkpath(QFileInfo(to).absolutePath())) {
            if (error)
                *error = QStringLiteral("Cannot create the folder of %1").arg(to);
            return false;
        }
        // Copied by content, so the new file is writable like any other data file.
        if (!files.copyFile(from, to, false, error))
            return false;
    }
    return true;
}

QString dataFilePath(const QString& folder, const QString& fileName)
{
    return QDir(folder).filePath(fileName);
}

int sweepStaleTemporaries(const QString& folder)
{
    // QSaveFile's temporary: the file's own name, a dot and six letters or digits.
    static const QRegularExpression temporary(
        QStringLiteral("^.+\\.dll\\.[A-Za-z0-9]{6}$"), QRegularExpression::CaseInsensitiveOption);
    const QDir dir(folder);
    int removed = 0;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (temporary.match(entry.fileName()).hasMatch() && QFile::remove(entry.absoluteFilePath()))
            ++removed;
    }
    return removed;
}
