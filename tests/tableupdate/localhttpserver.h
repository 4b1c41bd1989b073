#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <memory>

// A small HTTP/1.0 server on 127.0.0.1 for the tests: answers GET requests
// from a table of paths (anything else is 404) and remembers every request.
// It runs on the test's thread; the code under test spins a local event loop
// while it waits, which serves the requests.
class TLocalHttpServer
{
public:
    struct Request
    {
        QByteArray path;
        QByteArray userAgent;
        QByteArray accept;
    };

    TLocalHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    bool isListening() const { return m_server.isListening(); }
    QUrl baseUrl() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()));
    }

    void setFile(const QByteArray &path, const QByteArray &body, int status = 200)
    {
        m_files.insert(path, {status, body});
    }
    void clear() { m_files.clear(); }

    const QList<Request> &requests() const { return m_requests; }
    QList<QByteArray> paths() const
    {
        QList<QByteArray> result;
        for (const Request &r : m_requests)
            result << r.path;
        return result;
    }

private:
    struct Answer
    {
        int status = 404;
        QByteArray body;
    };

    void serve(QTcpSocket *socket)
    {
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QList<QByteArray> lines = buffer->left(end).split('\n');
            Request request;
            const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
            request.path = first.value(1);
            for (const QByteArray &line : lines) {
                const qsizetype colon = line.indexOf(':');
                const QByteArray name = line.left(colon).trimmed().toLower();
                const QByteArray value = line.mid(colon + 1).trimmed();
                if (name == "user-agent")
                    request.userAgent = value;
                else if (name == "accept")
                    request.accept = value;
            }
            m_requests.append(request);
            const Answer answer = m_files.value(request.path, Answer{404, "<html>Not Found</html>"});
            QByteArray reply = "HTTP/1.0 " + QByteArray::number(answer.status)
                               + (answer.status == 200 ? " OK" : " Not Found") + "\r\n";
            reply += "Content-Type: text/plain\r\nContent-Length: "
                     + QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n";
            reply += answer.body;
            socket->write(reply);
            socket->disconnectFromHost();
        });
    }

    QTcpServer m_server;
    QHash<QByteArray, Answer> m_files;
    QList<Request> m_requests;
};
