#include "store/tableupdatedownload.h"

#include "base/safefile.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

namespace
{
constexpr qint64 ChunkSize = 1024;

QByteArray programFileName()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QByteArrayLiteral("Vlm") : name.toUtf8();
}

TDownloadResult failed(TDownloadResult result, TDownloadResult::Failure failure,
                       const QString &error, const QString &localFile)
{
    QFile::remove(localFile);
    result.ok = false;
    result.failure = failure;
    result.error = error;
    result.bytes = 0;
    return result;
}
} // namespace

TDownloadResult DownloadFile(const QUrl &url, const QString &localFile, qint64 maxBytes,
                             int timeoutMs, int totalMs)
{
    TDownloadResult result;
    TSafeFile out(localFile);
    if (!out.open())
        return failed(result, TDownloadResult::LocalFile, out.errorText(), localFile);

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, programFileName());
    request.setTransferTimeout(timeoutMs);
    // The update may come only from the server the program asked.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    QString failure;
    TDownloadResult::Failure failureKind = TDownloadResult::None;
    auto stop = [&](TDownloadResult::Failure kind, const QString &why) {
        if (failure.isEmpty()) {
            failure = why;
            failureKind = kind;
        }
        reply->abort();
    };
    auto drain = [&] {
        while (failure.isEmpty() && reply->bytesAvailable() > 0) {
            const QByteArray chunk = reply->read(ChunkSize);
            if (chunk.isEmpty())
                break;
            if (result.bytes + chunk.size() > maxBytes)
                return stop(
                    TDownloadResult::TooLarge,
                    QCoreApplication::translate(
                        "DownloadFile", "The download is larger than %1 bytes and was refused.")
                        .arg(maxBytes));
            if (!out.write(chunk))
                return stop(TDownloadResult::LocalFile, out.errorText());
            result.bytes += chunk.size();
        }
    };

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        stop(TDownloadResult::TimedOut,
             QCoreApplication::translate("DownloadFile",
                                         "The server did not send the file within %1 seconds.")
                 .arg(totalMs / 1000.0));
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, drain);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        if (totalMs > 0)
            deadline.start(totalMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    deadline.stop();
    drain();

    result.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!failure.isEmpty())
        return failed(result, failureKind, failure, localFile);
    if (result.httpStatus >= 300 && result.httpStatus < 400) {
        const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
        return failed(result, TDownloadResult::Redirected,
                      QCoreApplication::translate(
                          "DownloadFile",
                          "The server sent the update to %1, which is not the update server; "
                          "it was not followed.")
                          .arg(url.resolved(target).toString()),
                      localFile);
    }
    if (reply->error() != QNetworkReply::NoError) {
        if (result.httpStatus == 0)
            return failed(result, TDownloadResult::Network, reply->errorString(), localFile);
        // The server answered with a file and the transfer then broke off.
        if (result.httpStatus < 300)
            return failed(result, TDownloadResult::Broken,
                          QCoreApplication::translate("DownloadFile",
                                                      "The transfer broke off after %1 bytes: %2")
                              .arg(result.bytes)
                              .arg(reply->errorString()),
                          localFile);
        // An HTTP error page is still written: the reader rejects it by its
        // first line.
    }
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() != result.bytes)
        return failed(result, TDownloadResult::Broken,
                      QCoreApplication::translate("DownloadFile",
                                                  "The transfer broke off after %1 of %2 bytes.")
                          .arg(result.bytes)
                          .arg(announced.toLongLong()),
                      localFile);
    if (!out.commit())
        return failed(result, TDownloadResult::LocalFile, out.errorText(), localFile);
    result.ok = true;
    return result;
}
