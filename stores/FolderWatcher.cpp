#include "stores/FolderWatcher.h"

#include "stores/ConflictCopies.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Long enough for a tool that writes a file in several steps to finish, short enough that
// the change shows well within a second.
constexpr int defaultSettleTime = 150;

} // namespace

FolderWatcher::FolderWatcher(QString folder, QStringList fileNames, QObject* parent)
    : QObject(parent)
    , m_folder(QFileInfo(folder).absoluteFilePath())
    , m_fileNames(std::move(fileNames))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(defaultSettleTime);
    connect(&m_settle, &QTimer::timeout, this, &FolderWatcher::settled);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatcher::noticed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatcher::noticed);
    for (const QString& name : std::as_const(m_fileNames))
        m_seen.insert(name, signatureOf(name));
    m_watcher.addPath(m_folder);
    watchFiles();
    // Conflict copies already there are reported once the receivers are connected.
    QMetaObject::invokeMethod(this, &FolderWatcher::findConflictCopies, Qt::QueuedConnection);
}

FolderWatcher::Signature FolderWatcher::signatureOf(const QString& fileName) const
{
    // Only a regular file is read: opening a FIFO in its place would wait for a writer.
    const QString path = m_folder % u'/' % fileName;
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return { bytes.size(), qHash(bytes) };
}

QString FolderWatcher::nameOf(const QString& path) const
{
    const QFileInfo info(path);
    if (info.absolutePath() != m_folder || !m_fileNames.contains(info.fileName()))
        return {};
    return info.fileName();
}

void FolderWatcher::beforeWrite(const QString& path)
{
    const QString name = nameOf(path);
    if (name.isEmpty())
        return;
    // A change from outside that is still waiting to settle is not taken for the program's own.
    if (signatureOf(name) == m_seen.value(name))
        m_seenBeforeWrite.insert(name);
    else
        m_seenBeforeWrite.remove(name);
}

void FolderWatcher::afterWrite(const QString& path)
{
    const QString name = nameOf(path);
    if (name.isEmpty())
        return;
    if (m_seenBeforeWrite.remove(name))
        m_seen.insert(name, signatureOf(name));
    watchFiles(); // the write replaced the file by a new one
}

void FolderWatcher::noticed()
{
    watchFiles();
    m_settle.start();
}

void FolderWatcher::settled()
{
    watchFiles();
    for (const QString& name : std::as_const(m_fileNames)) {
        const Signature now = signatureOf(name);
        if (now == m_seen.value(name))
            continue;
        // Seen before it is reported, so that a reload writing the file counts as the program's.
        m_seen.insert(name, now);
        Q_EMIT fileChanged(name);
    }
    findConflictCopies();
}

void FolderWatcher::watchFiles()
{
    // A file replaced by a rename, or deleted, drops out of the system's watch list.
    const QStringList watched = m_watcher.files();
    for (const QString& name : std::as_const(m_fileNames)) {
        const QString path = m_folder % u'/' % name;
        if (!watched.contains(path) && QFileInfo::exists(path))
            m_watcher.addPath(path);
    }
}

void FolderWatcher::findConflictCopies()
{
    QStringList found;
    const QStringList names = QDir(m_folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : conflictCopies(names)) {
        if (!m_reportedCopies.contains(name)) {
            m_reportedCopies.insert(name);
            found.append(name);
        }
    }
    if (!found.isEmpty())
        Q_EMIT conflictCopiesFound(found);
}
