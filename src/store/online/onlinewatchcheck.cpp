#include "store/online/onlinewatchcheck.h"

#include "store/online/onlinewatchping.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

namespace {
QString tr(const char *text) { return QCoreApplication::translate("CheckInternet", text); }

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

TInternetCheck CheckInternet(const QUrl &server, int pingTimeoutMs, int fetchTimeoutMs)
{
    TInternetCheck check;
    if (!server.isValid() || server.host().isEmpty()) {
        check.error = tr("No update server is configured.");
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
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    if (!reply->isFinished()) {
        QEventLoop loop;
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (reply->error() != QNetworkReply::NoError) {
        check.error = reply->errorString();
        return check;
    }
    check.ok = true;
    return check;
}
