#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <memory>

// A small HTTP/1.0 server on 127.0.0.1 for the tests: answers GET requests
// from a table of paths (anything else is 404) and remembers every request.
// It runs on the test's thread; the code under test spins a local event loop
// while it waits, which serves the requests.
class TLocalHttpServer
{
public:
    struct Request {
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
        m_files.insert(path, makeAnswer(status, body));
    }
    // Announces the whole body but sends only its first `sent` bytes, then
    // closes: a transfer that breaks off.
    void setCutFile(const QByteArray &path, const QByteArray &body, qsizetype sent)
    {
        Answer answer = makeAnswer(200, body);
        answer.sent = sent;
        m_files.insert(path, answer);
    }
    // Sends the body one byte every `everyMs`: a server that never stops
    // answering and never finishes.
    void setSlowFile(const QByteArray &path, const QByteArray &body, int everyMs)
    {
        Answer answer = makeAnswer(200, body);
        answer.trickleMs = everyMs;
        m_files.insert(path, answer);
    }
    // Answers with a redirect to `location`.
    void setRedirect(const QByteArray &path, const QByteArray &location, int status = 302)
    {
        Answer answer = makeAnswer(status, QByteArray());
        answer.location = location;
        m_files.insert(path, answer);
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
    struct Answer {
        int status = 404;
        QByteArray body;
        qsizetype sent = -1; // bytes of the body sent; -1 for all
        int trickleMs = 0;   // one byte every so many ms; 0 for all at once
        QByteArray location; // Location header of a redirect
    };
    static Answer makeAnswer(int status, const QByteArray &body)
    {
        Answer answer;
        answer.status = status;
        answer.body = body;
        return answer;
    }

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
            const Answer answer =
                m_files.value(request.path, makeAnswer(404, "<html>Not Found</html>"));
            QByteArray reply = "HTTP/1.0 " + QByteArray::number(answer.status) +
                               (answer.status == 200 ? " OK" : " Other") + "\r\n";
            if (!answer.location.isEmpty())
                reply += "Location: " + answer.location + "\r\n";
            reply += "Content-Type: text/plain\r\nContent-Length: " +
                     QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n";
            if (answer.trickleMs > 0) {
                socket->write(reply);
                trickle(socket, answer.body, answer.trickleMs);
                return;
            }
            reply += answer.sent < 0 ? answer.body : answer.body.left(answer.sent);
            socket->write(reply);
            socket->disconnectFromHost();
        });
    }

    void trickle(QTcpSocket *socket, const QByteArray &rest, int everyMs)
    {
        if (rest.isEmpty()) {
            socket->disconnectFromHost();
            return;
        }
        socket->write(rest.left(1));
        QPointer<QTcpSocket> guard(socket);
        QTimer::singleShot(everyMs, socket, [this, guard, rest, everyMs] {
            if (guard && guard->state() == QAbstractSocket::ConnectedState)
                trickle(guard, rest.mid(1), everyMs);
        });
    }

    QTcpServer m_server;
    QHash<QByteArray, Answer> m_files;
    QList<Request> m_requests;
};
