#pragma once

#include "store/online/onlinewatch.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QUrl>
#include <functional>

class TdtmMain;

// What the program does when the online watch reports: the Internet check
// that colours the indicator and, once per run while the first connection is
// still pending, the connection, the download and application of the next
// table-update file and the opening of the lookup tables.
class TOnlineWatchHandler : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TOnlineWatchHandler)

public:
    // server: the maker's server (its host is also the ping host).
    TOnlineWatchHandler(TdtmMain &dm, const QUrl &server, QObject *parent = nullptr);
    ~TOnlineWatchHandler() override;

    // The handler of the running program, or nullptr.
    static TOnlineWatchHandler *instance();

    // Shows and hides the busy cursor while the check runs (the windows set it).
    void setBusyCursorHook(std::function<void(bool busy)> hook) { m_busyCursor = std::move(hook); }

    // Sets the time-outs of the check (tests shorten them).
    void setTimeouts(int pingMs, int fetchMs, int downloadMs);
    // The most the whole check (connectivity page and update download) may
    // take; after it the program goes on without the update (tests shorten it).
    void setCheckLimit(int milliseconds) { m_checkLimitMs = milliseconds; }

    QUrl server() const { return m_server; }

    // The watch's report: online or offline.
    void IPWatchStatusChanged(bool online);

    // Lets the watch's reports reach IPWatchStatusChanged and activates it.
    void Start();
    // Deactivates the watch (the user confirmed leaving the program).
    void Stop();
    // Activates the watch again and runs the check on its last state (the
    // user data page's Back button).
    void Recheck();

    TOnlineWatch &watch() { return m_watch; }

private:
    void checkInternet(const QDeadlineTimer &deadline);
    void firstConnection();
    void downloadUpdate(const QDeadlineTimer &deadline);
    void applyUpdate();
    void tellCheckOutOfTime();

    TdtmMain &m_dm;
    TOnlineWatch m_watch;
    QUrl m_server;
    std::function<void(bool)> m_busyCursor;
    int m_pingTimeoutMs = 5;
    int m_fetchTimeoutMs = 15000;
    int m_downloadTimeoutMs = 60000;
    int m_checkLimitMs = 20000;
};
