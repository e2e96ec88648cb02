#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace {

const QByteArray activationRequest = QByteArrayLiteral("show\n");
constexpr int askTimeoutMs = 2000;

// The same folder reached by different spellings or links must give the same name.
QString instanceName(const QString& dataFolder)
{
    const QFileInfo info(dataFolder);
    const QString canonical
        = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("kronvel-") + QString::fromLatin1(hash.left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
    : m_name(instanceName(dataFolder))
    , m_lock(std::make_unique<QLockFile>(QDir(QDir::tempPath()).filePath(m_name + QStringLiteral(".lock"))))
{
    // A live instance keeps its lock however long it runs; only a dead owner's lock is stale.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}

bool SingleInstance::listenForActivation()
{
    if (m_server)
        return true;
    if (!acquire())
        return false;
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, we are the owner: a socket left by a crashed owner is stale.
    QLocalServer::removeServer(m_name);
    if (!server->listen(m_name)) {
        delete server;
        return false;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readRequest);
    return true;
}

void SingleInstance::readRequest()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto read = [this, socket] {
            if (socket->bytesAvailable() < activationRequest.size())
                return;
            if (socket->read(activationRequest.size()) == activationRequest)
                Q_EMIT activationRequested();
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        read();
    }
}

bool SingleInstance::askOwnerToActivate(const QString& dataFolder)
{
    QLocalSocket socket;
    socket.connectToServer(instanceName(dataFolder));
    if (!socket.waitForConnected(askTimeoutMs))
        return false;
    socket.write(activationRequest);
    // Once written the request stays readable for the owner, even after this process ends.
    return socket.waitForBytesWritten(askTimeoutMs);
}
