#pragma once

#include <QString>
#include <QUrl>

struct TDownloadResult
{
    enum Failure {
        None,      // the transfer completed (also with an HTTP error page)
        Network,   // the server could not be reached or the transfer broke off
        LocalFile, // the local file could not be written
        TooLarge,  // the body was larger than allowed; nothing kept
    };
    bool ok = false;      // the transfer completed and the file was written
    Failure failure = None;
    QString error;        // why not; empty when ok
    int httpStatus = 0;   // 0 when the server never answered
    qint64 bytes = 0;     // bytes written to the local file
};

// Reads `url` and writes what the server sends (also an error page) to
// `localFile`, created or replaced, in chunks of at most 1024 bytes. The
// request carries the program's file name as user agent. Blocks (with a local
// event loop) until the transfer ends or `timeoutMs` passes. A body larger than
// `maxBytes` is refused: the transfer is stopped and the local file removed.
TDownloadResult DownloadFile(const QUrl &url, const QString &localFile,
                             qint64 maxBytes = 10 * 1024 * 1024, int timeoutMs = 30000);
