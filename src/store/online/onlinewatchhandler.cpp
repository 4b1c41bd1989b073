#include "store/online/onlinewatchhandler.h"

#include "base/applicationstate.h"
#include "base/messages.h"
#include "store/online/onlinewatchcheck.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "store/datamodule.h"
#include "store/tableupdate.h"
#include "store/tableupdatedownload.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
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

TOnlineWatchHandler *TOnlineWatchHandler::instance() { return current(); }

void TOnlineWatchHandler::Start()
{
    connect(&m_watch, &TOnlineWatch::statusChanged, this, &TOnlineWatchHandler::IPWatchStatusChanged,
            Qt::UniqueConnection);
    m_watch.Activate();
}

void TOnlineWatchHandler::Stop() { m_watch.Deactivate(); }

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

    if (online)
        checkInternet();
    else
        SetInternetStatus(InternetRed);

    if (m_dm.FirstRunPending()) {
        firstConnection();
        if (!m_dm.TerminationRequested()) {
            if (InternetStatus() == InternetGreen)
                downloadUpdate();
            // Whatever happened above, the update file is dealt with and the
            // lookup tables are opened.
            m_dm.SetFirstRunPending(false);
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

void TOnlineWatchHandler::checkInternet()
{
    SetInternetStatus(InternetAmber);
    const TInternetCheck check = CheckInternet(m_server, m_pingTimeoutMs, m_fetchTimeoutMs);
    if (check.ok) {
        SetInternetStatus(InternetGreen);
        return;
    }
    SetInternetStatus(InternetRed);
    TApplicationState::instance().showSplashStatus(tr("No Internet Connection available!"));
}

void TOnlineWatchHandler::firstConnection()
{
    if (m_dm.conMainDb->isConnected())
        return;
    m_dm.ConnectDatabase(databaseFoundAutomatically());
}

void TOnlineWatchHandler::downloadUpdate()
{
    TApplicationState::instance().showSplashStatus(tr("Looking for Updates..."));
    const QString version = m_dm.GetDatabaseVersion();
    const QUrl remote = ServerPathUrl(m_server, TableUpdateServerPath(version));
    const TDownloadResult download =
        DownloadFile(remote, LocalTableUpdateFile(), MaxTableUpdateFileSize, m_downloadTimeoutMs);
    // A server without the next file answers with an error page, which the
    // reader rejects; only a local failure is worth telling.
    if (download.failure == TDownloadResult::LocalFile || download.failure == TDownloadResult::TooLarge)
        ShowErrorMessage(tr("VLM Update"), tr("The table update could not be downloaded:\n%1")
                                               .arg(download.error));
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
    } else if (result.outcome == TTableUpdateResult::Refused) {
        ShowErrorMessage(tr("VLM Update"), tr("The table update was not applied:\n%1").arg(result.error));
    }
}
