#pragma once

#include <QString>
#include <QUrl>

struct TInternetCheck
{
    bool ok = false; // the server's host was pinged and its connectivity page fetched
    QString error;   // the first failure otherwise
};

// The server's base address followed by an absolute path ("/vlminfo/...").
QUrl ServerPathUrl(const QUrl &server, const QString &path);

// The Internet check of the online watch: a ping of the server's host with the
// given receive time-out, then a GET of its connectivity page
// "/vlminfo/getip.php" (content not used). Blocks with a local event loop.
TInternetCheck CheckInternet(const QUrl &server, int pingTimeoutMs = 5, int fetchTimeoutMs = 15000);
