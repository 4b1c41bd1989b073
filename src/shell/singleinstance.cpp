#include "shell/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

namespace {
const QByteArray ActivateRequest = "activate\n";
const QByteArray ActivateReply = "ok\n";
// A request longer than this is not ours: drop the connection.
constexpr qint64 MaxRequestSize = 64;
constexpr int ProbeTimeoutMs = 1000;
} // namespace

TSingleInstance::TSingleInstance(const QString &key, QObject *parent)
    : QObject(parent), m_key(key)
{
    // Only the same user may talk to the running instance.
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &TSingleInstance::acceptConnections);
}

TSingleInstance::~TSingleInstance() { m_server.close(); }

QString TSingleInstance::KeyForProgram(const QString &programPath)
{
    const QFileInfo info(programPath);
    QString path = info.canonicalFilePath();
    if (path.isEmpty())
        path = info.absoluteFilePath();
    // The user's home keeps the instances of different users on one machine apart.
    const QByteArray identity = (QDir::homePath() + QLatin1Char('\n') + path).toUtf8();
    const QByteArray hash =
        QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex().left(24);
    return QStringLiteral("Vlm-") + QString::fromLatin1(hash);
}

TSingleInstance::Registration TSingleInstance::registerInstance(QString *error)
{
    // Listening would replace a live socket of the same name, so ask first.
    QLocalSocket probe;
    probe.connectToServer(m_key);
    if (probe.waitForConnected(ProbeTimeoutMs)) {
        probe.abort();
        return AlreadyRunning;
    }
    // Nobody answers: a socket file left here belongs to a process that has died.
    QLocalServer::removeServer(m_key);
    if (m_server.listen(m_key))
        return Registered;
    if (error)
        *error = m_server.errorString();
    return Failed;
}

bool TSingleInstance::activateRunningInstance(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(ActivateRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine() == ActivateReply;
}

void TSingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->canReadLine()) {
                const bool activate = socket->readLine() == ActivateRequest;
                if (activate) {
                    socket->write(ActivateReply);
                    socket->flush();
                    emit activationRequested();
                }
                socket->disconnectFromServer();
            } else if (socket->bytesAvailable() > MaxRequestSize) {
                socket->abort();
            }
        });
    }
}
