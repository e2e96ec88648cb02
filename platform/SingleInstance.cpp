#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {

// The same folder reached by different spellings or links must give the same lock.
QString lockPath(const QString& dataFolder)
{
    const QFileInfo info(dataFolder);
    const QString canonical
        = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("kronvel-") + QString::fromLatin1(hash.left(16)) + QStringLiteral(".lock"));
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
    : m_lock(std::make_unique<QLockFile>(lockPath(dataFolder)))
{
    // A live instance keeps its lock however long it runs; only a dead owner's lock is stale.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}
