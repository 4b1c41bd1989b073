#include "store/tableupdatedownload.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

namespace {
constexpr qint64 ChunkSize = 1024;

QByteArray programFileName()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QByteArrayLiteral("Vlm") : name.toUtf8();
}
} // namespace

TDownloadResult DownloadFile(const QUrl &url, const QString &localFile, qint64 maxBytes,
                             int timeoutMs)
{
    TDownloadResult result;
    QFile out(localFile);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        result.error = QCoreApplication::translate("DownloadFile", "%1 cannot be written: %2")
                           .arg(localFile, out.errorString());
        result.failure = TDownloadResult::LocalFile;
        return result;
    }

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, programFileName());
    request.setTransferTimeout(timeoutMs);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    QString failure;
    TDownloadResult::Failure failureKind = TDownloadResult::None;
    auto drain = [&] {
        while (failure.isEmpty() && reply->bytesAvailable() > 0) {
            const QByteArray chunk = reply->read(ChunkSize);
            if (chunk.isEmpty())
                break;
            if (result.bytes + chunk.size() > maxBytes) {
                failure =
                    QCoreApplication::translate(
                        "DownloadFile", "The download is larger than %1 bytes and was refused.")
                        .arg(maxBytes);
                failureKind = TDownloadResult::TooLarge;
                reply->abort();
                return;
            }
            if (out.write(chunk) != chunk.size()) {
                failure = QCoreApplication::translate("DownloadFile", "%1 cannot be written: %2")
                              .arg(localFile, out.errorString());
                failureKind = TDownloadResult::LocalFile;
                reply->abort();
                return;
            }
            result.bytes += chunk.size();
        }
    };

    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, drain);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    drain();
    out.close();

    result.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!failure.isEmpty()) {
        QFile::remove(localFile);
        result.error = failure;
        result.failure = failureKind;
        result.bytes = 0;
        return result;
    }
    // An HTTP error page was still written: the reader rejects it by its first line.
    if (reply->error() != QNetworkReply::NoError && result.httpStatus == 0) {
        result.error = reply->errorString();
        result.failure = TDownloadResult::Network;
        return result;
    }
    result.ok = true;
    return result;
}
