#pragma once

#include <QString>
#include <QUrl>

struct TDownloadResult {
    enum Failure {
        None,       // the transfer completed (also with an HTTP error page)
        Network,    // the server could not be reached
        Broken,     // the transfer broke off before the end; nothing kept
        TimedOut,   // the whole transfer took longer than allowed; nothing kept
        Redirected, // the server sent the file to another host; not followed
        LocalFile,  // the local file could not be written
        TooLarge,   // the body was larger than allowed; nothing kept
    };
    bool ok = false; // the transfer completed and the file was written
    Failure failure = None;
    QString error;      // why not; empty when ok
    int httpStatus = 0; // 0 when the server never answered
    qint64 bytes = 0;   // bytes written to the local file
};

// Reads `url` and writes what the server sends (also an error page) to
// `localFile`, created or replaced, in chunks of at most 1024 bytes. The
// request carries the program's file name as user agent. Blocks (with a local
// event loop) until the transfer ends, or until it has been silent for
// `timeoutMs`, or (when `totalMs` is positive) until `totalMs` have passed in
// all. A body larger than `maxBytes` is refused. Redirects are followed only
// to the same scheme, host and port.
//
// The body is written under a temporary name and takes the local file's name
// only when the whole of it arrived and was written: when the transfer fails
// in any way, no local file is left (an earlier one is removed), so that
// nothing partial or stale is ever applied.
TDownloadResult DownloadFile(const QUrl &url, const QString &localFile,
                             qint64 maxBytes = 10 * 1024 * 1024, int timeoutMs = 30000,
                             int totalMs = 0);
