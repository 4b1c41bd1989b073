#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>

// A tiny HTTP/1.1 server on 127.0.0.1 for tests: answers GET requests from a table
// of paths, 404 for everything else, and counts the requests per path.
class LocalHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Response {
        int status = 200;
        QByteArray body;
        int delayMs = 0;    // wait this long before answering
        int sentBytes = -1; // when not negative: only this much of the body, then close
    };

    LocalHttpServer();
    bool listen(); // on a free port of 127.0.0.1
    QUrl baseUrl() const;
    void setResponse(const QString &path, const Response &response)
    {
        m_responses.insert(path, response);
    }
    int requestCount(const QString &path) const { return m_counts.value(path); }

private:
    void onNewConnection();
    void answer(class QTcpSocket *socket, const QString &path);

    QTcpServer m_server;
    QHash<QString, Response> m_responses;
    QHash<QString, int> m_counts;
};
