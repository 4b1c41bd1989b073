#include "localhttpserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

LocalHttpServer::LocalHttpServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::onNewConnection);
}

bool LocalHttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl LocalHttpServer::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()));
}

void LocalHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
            *request += socket->readAll();
            if (!request->contains("\r\n\r\n"))
                return;
            const QList<QByteArray> words = request->left(request->indexOf("\r\n")).split(' ');
            const QString path = words.size() > 1 ? QString::fromLatin1(words.at(1)) : QString();
            request->clear();
            ++m_counts[path];
            const int delay = m_responses.value(path).delayMs;
            QPointer<QTcpSocket> guard(socket);
            QTimer::singleShot(delay, this, [this, guard, path] {
                if (guard)
                    answer(guard, path);
            });
        });
    }
}

void LocalHttpServer::answer(QTcpSocket *socket, const QString &path)
{
    const auto found = m_responses.constFind(path);
    const Response response =
        found != m_responses.constEnd() ? *found : Response{404, "not found", 0, -1};
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Test\r\n";
    head += "Content-Type: application/octet-stream\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(
        head + (response.sentBytes < 0 ? response.body : response.body.left(response.sentBytes)));
    socket->disconnectFromHost();
}
