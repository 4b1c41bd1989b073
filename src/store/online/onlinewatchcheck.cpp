#include "store/online/onlinewatchcheck.h"

#include "store/online/onlinewatchping.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

namespace
{
} // namespace

QUrl ServerPathUrl(const QUrl &server, const QString &path)
{
    QUrl url = server;
    QString base = server.path();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    url.setPath(base + (path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path));
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

TInternetCheck CheckInternet(const QUrl &server, int pingTimeoutMs, int fetchTimeoutMs, int totalMs)
{
    TInternetCheck check;
    if (!server.isValid() || server.host().isEmpty()) {
        check.error =
            QCoreApplication::translate("CheckInternet", "No update server is configured.");
        return check;
    }
    const TPingResult ping = PingHost(server.host(), pingTimeoutMs);
    if (!ping.ok) {
        check.error = ping.error;
        return check;
    }

    QNetworkAccessManager manager;
    QNetworkRequest request(ServerPathUrl(server, QStringLiteral("/vlminfo/getip.php")));
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    request.setTransferTimeout(fetchTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    bool outOfTime = false;
    if (!reply->isFinished()) {
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
            outOfTime = true;
            reply->abort();
        });
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        if (totalMs > 0)
            deadline.start(totalMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (outOfTime) {
        check.error = QCoreApplication::translate("CheckInternet",
                                                  "The server did not answer within %1 seconds.")
                          .arg(totalMs / 1000.0);
        check.timedOut = true;
        return check;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300 && status < 400) {
        check.error = QCoreApplication::translate("CheckInternet",
                                                  "The server sent the check to another host.");
        return check;
    }
    if (reply->error() != QNetworkReply::NoError) {
        check.error = reply->errorString();
        return check;
    }
    check.ok = true;
    return check;
}
