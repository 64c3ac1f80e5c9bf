#include "SingleInstance.h"

#include "TraceCategory.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
constexpr int kNotifyWaitMs = 1000;
}

SingleInstance::SingleInstance(const QString& instanceName, QObject* parent)
    : QObject(parent), m_key(keyFor(instanceName))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::keyFor(const QString& instanceName)
{
    const QByteArray hash = QCryptographicHash::hash(instanceName.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("sorvex-module-") + QString::fromLatin1(hash.left(24));
}

bool SingleInstance::claim()
{
    m_lock = std::make_unique<QLockFile>(QDir(QDir::tempPath()).filePath(m_key + QStringLiteral(".lock")));
    // A lock left by a process that no longer runs is taken over.
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        notifyRunningInstance();
        return false;
    }
    QLocalServer::removeServer(m_key); // a socket file left by a crashed instance
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains("activate")) {
                    TraceLine(QStringLiteral("Activation requested by another start for this device"));
                    emit activationRequested();
                }
            });
        }
    });
    if (!m_server->listen(m_key))
        TraceLine(QStringLiteral("Cannot listen for activation requests: ") + m_server->errorString());
    else
        TraceLine(QStringLiteral("Single instance ") + m_key + QStringLiteral(" listening"));
    return true;
}

void SingleInstance::notifyRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(kNotifyWaitMs))
        return; // it is starting or stopping: nothing more to do
    socket.write("activate\n");
    socket.waitForBytesWritten(kNotifyWaitMs);
    socket.disconnectFromServer();
}
