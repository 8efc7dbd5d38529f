#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

namespace {
constexpr int notifyTimeoutMs = 3000;
}

SingleInstance::SingleInstance(QString key, QObject* parent)
    : QObject(parent)
    , m_key(std::move(key))
    , m_lock(QDir(QDir::tempPath()).filePath(m_key + QStringLiteral(".lock")))
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
            emit activationRequested();
        }
    });
}

QString SingleInstance::instanceKey(const QString& dataFolder)
{
    const QString canonical = QFileInfo(dataFolder).canonicalFilePath();
    const QByteArray id = (qEnvironmentVariable("USER") + QLatin1Char('\n') +
                           (canonical.isEmpty() ? dataFolder : canonical))
                              .toUtf8();
    return QStringLiteral("dialtally-") +
           QString::fromLatin1(
               QCryptographicHash::hash(id, QCryptographicHash::Sha1).toHex().left(16));
}

bool SingleInstance::tryAcquire()
{
    m_lock.setStaleLockTime(0);
    if (!m_lock.tryLock(0))
        return false;
    // We hold the lock, so a socket left behind by a copy that crashed is ours to replace.
    QLocalServer::removeServer(m_key);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_key))
        qWarning("dialtally: cannot listen for other copies: %s",
                 qUtf8Printable(m_server.errorString()));
    return true;
}

bool SingleInstance::notifyRunning() const
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(notifyTimeoutMs))
        return false;
    socket.write("show\n");
    socket.waitForBytesWritten(notifyTimeoutMs);
    socket.waitForDisconnected(notifyTimeoutMs);
    return true;
}
