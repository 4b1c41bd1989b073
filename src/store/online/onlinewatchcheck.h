#pragma once

#include <QString>
#include <QUrl>

struct TInternetCheck {
    bool ok = false;       // the server's host was pinged and its connectivity page fetched
    QString error;         // the first failure otherwise
    bool timedOut = false; // the check ran out of its total time
};

// The server's base address followed by an absolute path ("/vlminfo/...").
QUrl ServerPathUrl(const QUrl &server, const QString &path);

// The Internet check of the online watch: a ping of the server's host with the
// given receive time-out, then a GET of its connectivity page
// "/vlminfo/getip.php" (content not used). Blocks with a local event loop
// until the page arrives, or has been silent for fetchTimeoutMs, or (when
// totalMs is positive) until totalMs have passed in all. Redirects are
// followed only to the same scheme, host and port.
TInternetCheck CheckInternet(const QUrl &server, int pingTimeoutMs = 5, int fetchTimeoutMs = 15000,
                             int totalMs = 0);
