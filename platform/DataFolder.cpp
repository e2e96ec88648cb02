#include "platform/DataFolder.h"

#include "platform/FileSystem.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString chooseFolder(const QString& commandLineFolder, const QString& executableFolder)
{
    if (!commandLineFolder.isEmpty())
        return QDir(commandLineFolder).absolutePath();
    // The portable layout: files beside the program, as long as we may write there.
    const QFileInfo executable(executableFolder);
    if (!executableFolder.isEmpty() && executable.isDir() && executable.isWritable()
        && !isInstalledLocation(executableFolder))
        return executable.absoluteFilePath();
    return userDataFolder();
}

bool isEmptyFolder(const QString& folder)
{
    return QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Earlier releases named both the organisation and the application "Kronvel".
void moveDoubledFolder(const QString& folder)
{
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString oldParent = QDir(generic).filePath(QStringLiteral("Kronvel"));
    const QString old = QDir(oldParent).filePath(QStringLiteral("Kronvel"));
    const QFileInfo oldInfo(old);
    if (!oldInfo.isDir() || oldInfo.canonicalFilePath() == QFileInfo(folder).canonicalFilePath())
        return;
    if (QFileInfo::exists(folder)) {
        if (!QFileInfo(folder).isDir() || !isEmptyFolder(folder))
            return; // moved before, or the user has started afresh: leave both alone
        QDir().rmdir(folder);
    }
    QDir().mkpath(QFileInfo(folder).absolutePath());
    // One rename moves every file at once; a failure leaves the old folder as it was.
    if (QDir().rename(old, folder))
        QDir().rmdir(oldParent); // only when nothing else is left in it
}

} // namespace

QString resolveDataFolder(const QString& commandLineFolder, const QString& executableFolder)
{
    const QString folder = QDir::cleanPath(chooseFolder(commandLineFolder, executableFolder));
    // A failure shows later, when the first file cannot be written and the user is told.
    QDir().mkpath(folder);
    return folder;
}

bool isInstalledLocation(const QString& executableFolder)
{
    return QFileInfo(QDir::cleanPath(executableFolder)).fileName() == u"bin";
}

QString userDataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    moveDoubledFolder(folder);
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

QString shippedTextSet(const QString& folder, const QString& resourcePrefix, const QLocale& locale)
{
    if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("tips.dll"))))
        return resourcePrefix;
    const QString ofLanguage = resourcePrefix % u'-' % QLocale::languageToCode(locale.language());
    return QFileInfo(ofLanguage).isDir() ? ofLanguage : resourcePrefix;
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
