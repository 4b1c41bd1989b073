#include "store/online/onlinewatchhandler.h"

#include "base/applicationstate.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "store/datamodule.h"
#include "store/online/onlinewatchcheck.h"
#include "store/tableupdate.h"
#include "store/tableupdatedownload.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace
{
TOnlineWatchHandler *&current()
{
    static TOnlineWatchHandler *handler = nullptr;
    return handler;
}

// Whether the main database can be found without asking: beside the program
// or in the stored DbPath folder.
bool databaseFoundAutomatically()
{
    const QString name = QStringLiteral("VlmMain.mdb");
    if (QFileInfo(ProgramFile(name)).isFile())
        return true;
    const QString stored = TPreferences::dbPath();
    return !stored.isEmpty() && QFileInfo(stored + name).isFile();
}
} // namespace

TOnlineWatchHandler::TOnlineWatchHandler(TdtmMain &dm, const QUrl &server, QObject *parent)
    : QObject(parent), m_dm(dm), m_server(server)
{
    current() = this;
}

TOnlineWatchHandler::~TOnlineWatchHandler()
{
    if (current() == this)
        current() = nullptr;
}

TOnlineWatchHandler *TOnlineWatchHandler::instance()
{
    return current();
}

void TOnlineWatchHandler::Start()
{
    connect(&m_watch, &TOnlineWatch::statusChanged, this,
            &TOnlineWatchHandler::IPWatchStatusChanged, Qt::UniqueConnection);
    m_watch.Activate();
}

void TOnlineWatchHandler::Stop()
{
    m_watch.Deactivate();
}

void TOnlineWatchHandler::Recheck()
{
    Start();
    IPWatchStatusChanged(m_watch.isOnline());
}

void TOnlineWatchHandler::setTimeouts(int pingMs, int fetchMs, int downloadMs)
{
    m_pingTimeoutMs = pingMs;
    m_fetchTimeoutMs = fetchMs;
    m_downloadTimeoutMs = downloadMs;
}

void TOnlineWatchHandler::IPWatchStatusChanged(bool online)
{
    TApplicationState &state = TApplicationState::instance();
    state.showSplashStatus(tr("Looking for an Internet Connection..."));
    if (m_busyCursor)
        m_busyCursor(true);

    // A slow server must not hold the program: the whole check has one limit.
    const QDeadlineTimer deadline(m_checkLimitMs);
    if (online)
        checkInternet(deadline);
    else
        SetInternetStatus(InternetRed);

    if (m_dm.FirstRunPending()) {
        firstConnection();
        if (!m_dm.TerminationRequested()) {
            if (InternetStatus() == InternetGreen && !m_dm.conMainDb->isReadOnly())
                downloadUpdate(deadline);
            // Whatever happened above, the update file is dealt with and the
            // lookup tables are opened.
            m_dm.SetFirstRunPending(false);
            if (!m_dm.conMainDb->isReadOnly())
                applyUpdate();
            m_dm.OpenLookupTables();
        } else {
            m_dm.SetFirstRunPending(false);
        }
    }

    if (m_busyCursor)
        m_busyCursor(false);
    QCoreApplication::processEvents();
}

void TOnlineWatchHandler::checkInternet(const QDeadlineTimer &deadline)
{
    SetInternetStatus(InternetAmber);
    const TInternetCheck check = CheckInternet(m_server, m_pingTimeoutMs, m_fetchTimeoutMs,
                                               std::max<qint64>(1, deadline.remainingTime()));
    if (check.ok) {
        SetInternetStatus(InternetGreen);
        return;
    }
    SetInternetStatus(InternetRed);
    TApplicationState::instance().showSplashStatus(tr("No Internet Connection available!"));
    if (check.timedOut && m_dm.FirstRunPending())
        tellCheckOutOfTime();
}

void TOnlineWatchHandler::tellCheckOutOfTime()
{
    // Short for the status bar's last panel; the tool tip shows it whole.
    TApplicationState::instance().showStatusNotice(
        tr("No update: the server took more than %1 s").arg(m_checkLimitMs / 1000));
}

void TOnlineWatchHandler::firstConnection()
{
    if (m_dm.conMainDb->isConnected())
        return;
    m_dm.ConnectDatabase(databaseFoundAutomatically());
}

void TOnlineWatchHandler::downloadUpdate(const QDeadlineTimer &deadline)
{
    TApplicationState::instance().showSplashStatus(tr("Looking for Updates..."));
    const QString version = m_dm.GetDatabaseVersion();
    const QUrl remote = ServerPathUrl(m_server, TableUpdateServerPath(version));
    if (deadline.hasExpired())
        return tellCheckOutOfTime();
    const TDownloadResult download =
        DownloadFile(remote, LocalTableUpdateFile(), MaxTableUpdateFileSize, m_downloadTimeoutMs,
                     std::max<qint64>(1, deadline.remainingTime()));
    switch (download.failure) {
    case TDownloadResult::None:
    case TDownloadResult::Network:
        // A server without the next file answers with an error page, which
        // the reader rejects; an unreachable one is no Internet.
        break;
    case TDownloadResult::TimedOut:
        tellCheckOutOfTime();
        break;
    case TDownloadResult::Broken:
    case TDownloadResult::Redirected:
    case TDownloadResult::LocalFile:
    case TDownloadResult::TooLarge:
        ShowErrorMessage(tr("VLM Update"), tr("The table update could not be downloaded:\n%1\n"
                                              "Nothing of it was applied.")
                                               .arg(download.error));
        break;
    }
}

void TOnlineWatchHandler::applyUpdate()
{
    const TTableUpdateResult result = ApplyTableUpdates(m_dm, [](const QString &text) {
        TApplicationState::instance().showSplashStatus(text);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (result.outcome == TTableUpdateResult::Failed) {
        ShowErrorMessage(tr("VLM Update"),
                         tr("The table update failed in block %1:\n%2\n"
                            "None of its changes were kept; the database is as it was before.")
                             .arg(result.failedBlock)
                             .arg(result.error));
    } else if (result.outcome == TTableUpdateResult::Forbidden) {
        ShowErrorMessage(tr("VLM Update"),
                         tr("The table update was refused:\n%1\n"
                            "None of its changes were kept; your data is as it was.")
                             .arg(result.error));
    } else if (result.outcome == TTableUpdateResult::Refused) {
        ShowErrorMessage(tr("VLM Update"),
                         tr("The table update was not applied:\n%1").arg(result.error));
    }
}
