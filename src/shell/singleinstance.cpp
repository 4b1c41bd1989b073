#include "shell/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const QByteArray ActivateRequest = "activate\n";
const QByteArray ActivateReply = "ok\n";
// A request longer than this is not ours: drop the connection.
constexpr qint64 MaxRequestSize = 64;
constexpr int ProbeTimeoutMs = 1000;

// A folder of this user that nobody else may enter or change (no symbolic link).
bool IsPrivateFolder(const QString &folder)
{
    struct stat info {
    };
    if (folder.isEmpty() || ::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// Makes the folder, closed to everybody else, unless it is there already.
QString MadePrivateFolder(const QString &folder)
{
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return IsPrivateFolder(folder) ? folder : QString();
}

// Whether the socket file at path belongs to another user.
bool OwnedByAnotherUser(const QString &path)
{
    struct stat info {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && info.st_uid != ::geteuid();
}

// Whether the process at the other end of a connected local socket runs as
// another user.
bool PeerIsAnotherUser(qintptr descriptor)
{
    struct ucred peer {
    };
    socklen_t size = sizeof(peer);
    if (descriptor < 0 ||
        ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
        return true; // unknown counts as foreign
    return peer.uid != ::geteuid();
}
} // namespace

QString TSingleInstance::SocketFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (IsPrivateFolder(runtime))
        return runtime;
    const QString uid = QString::number(::geteuid());
    QString folder = MadePrivateFolder(QDir::tempPath() + QStringLiteral("/vlm-") + uid);
    if (folder.isEmpty()) // taken by someone else: the home folder is the user's own
        folder = MadePrivateFolder(QDir::homePath() + QStringLiteral("/.vlm-runtime"));
    return folder;
}

TSingleInstance::TSingleInstance(const QString &key, QObject *parent) : QObject(parent), m_key(key)
{
    const QString folder = SocketFolder();
    if (!folder.isEmpty())
        m_path = folder + QLatin1Char('/') + key;
    // Only the same user may talk to the running instance.
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &TSingleInstance::acceptConnections);
}

TSingleInstance::~TSingleInstance()
{
    m_server.close();
}

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
    if (m_path.isEmpty()) {
        if (error)
            *error = tr("No folder of your own was found for the program's instance socket.");
        return Failed;
    }
    if (OwnedByAnotherUser(m_path)) {
        // Never ours to talk to: it goes, or the start cannot be guarded.
        if (!QFile::remove(m_path)) {
            if (error)
                *error = tr("The socket %1 belongs to another user.").arg(m_path);
            return Failed;
        }
    } else {
        // Listening would replace a live socket of the same name, so ask first.
        QLocalSocket probe;
        probe.connectToServer(m_path);
        if (probe.waitForConnected(ProbeTimeoutMs)) {
            const bool foreign = PeerIsAnotherUser(probe.socketDescriptor());
            probe.abort();
            if (!foreign)
                return AlreadyRunning;
        }
    }
    // Nobody of this user answers: a socket file left here belongs to a
    // process that has died, or to a listener that is not this program's.
    QLocalServer::removeServer(m_path);
    if (m_server.listen(m_path))
        return Registered;
    if (error)
        *error = m_server.errorString();
    return Failed;
}

bool TSingleInstance::activateRunningInstance(int timeoutMs)
{
    if (m_path.isEmpty() || OwnedByAnotherUser(m_path))
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(timeoutMs) || PeerIsAnotherUser(socket.socketDescriptor()))
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
        if (PeerIsAnotherUser(socket->socketDescriptor())) {
            socket->abort();
            continue;
        }
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
