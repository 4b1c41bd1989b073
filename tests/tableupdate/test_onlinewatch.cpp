#include "base/applicationstate.h"
#include "base/messages.h"
#include "localhttpserver.h"
#include "store/online/onlinewatch.h"
#include "store/online/onlinewatchhandler.h"
#include "tableupdatetestsupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QThread>
#include <atomic>

using namespace tableupdatetest;

namespace
{

void SpinUntil(const std::function<bool()> &done, int ms = 3000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(OnlineWatchAddresses, OnlineNeedsAnAddressBeyondLoopbackAndLinkLocal)
{
    const struct {
        const char *name;
        QStringList addresses;
        bool online;
    } cases[] = {
        {"none", {}, false},
        {"loopback_only", {QStringLiteral("127.0.0.1"), QStringLiteral("::1")}, false},
        {"other_loopback", {QStringLiteral("127.0.1.1")}, false},
        {"link_local_only", {QStringLiteral("169.254.3.4"), QStringLiteral("fe80::1")}, false},
        {"a_lan_address", {QStringLiteral("127.0.0.1"), QStringLiteral("192.0.2.10")}, true},
        {"a_global_ipv6_address", {QStringLiteral("::1"), QStringLiteral("2001:db8::5")}, true},
    };
    for (const auto &c : cases) {
        QList<QHostAddress> list;
        for (const QString &a : c.addresses)
            list << QHostAddress(a);
        EXPECT_EQ(TOnlineWatch::IsOnline(list), c.online) << c.name;
    }
}

TEST(OnlineWatch, ReportsEachChangeOnTheCreatingThreadOnly)
{
    EnsureApplication();
    std::atomic<bool> lan{false};
    TOnlineWatch watch(
        [&lan] {
            QList<QHostAddress> list{QHostAddress::LocalHost};
            if (lan)
                list << QHostAddress(QStringLiteral("192.0.2.10"));
            return list;
        },
        10);
    QList<bool> reports;
    bool onCreatingThread = true;
    QObject::connect(&watch, &TOnlineWatch::statusChanged, &watch, [&](bool online) {
        reports << online;
        onCreatingThread = onCreatingThread && QThread::currentThread() == watch.thread();
    });
    watch.Activate();
    EXPECT_TRUE(watch.isActive());

    // Offline at the start is no change: nothing is reported.
    SpinUntil([&] { return !reports.isEmpty(); }, 200);
    EXPECT_TRUE(reports.isEmpty());

    lan = true;
    SpinUntil([&] { return reports.size() == 1; });
    lan = false;
    SpinUntil([&] { return reports.size() == 2; });
    EXPECT_EQ(reports, (QList<bool>{true, false}));
    EXPECT_TRUE(onCreatingThread);

    watch.Deactivate();
    EXPECT_FALSE(watch.isActive());
    lan = true;
    SpinUntil([] { return false; }, 100);
    EXPECT_EQ(reports.size(), 2);
}

// The handler against a server on 127.0.0.1, with a program folder of its own.
class OnlineWatchHandlerTest : public ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        ASSERT_TRUE(m_server.isListening());
        m_server.setFile("/vlminfo/getip.php", "127.0.0.1");
        m_handler = std::make_unique<TOnlineWatchHandler>(*m_dm, m_server.baseUrl());
        m_handler->setTimeouts(5, 5000, 5000);
        m_handler->setBusyCursorHook([this](bool busy) { m_busy += busy ? 1 : -1; });
        QObject::connect(&TApplicationState::instance(), &TApplicationState::splashStatusRequested,
                         &m_receiver, [this](const QString &text) { m_splash << text; });
        SetInternetStatus(InternetRed);
        ClearShownMessages();
    }

    void TearDown() override
    {
        m_handler.reset();
        ClearShownMessages();
        ProgramFolderTest::TearDown();
    }

    // Writes the version straight into the file, before the program connects.
    void setVersionInFile(const QString &version)
    {
        const QString name = QStringLiteral("version_setter");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(m_database);
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(
                QStringLiteral(
                    "UPDATE tblApplData SET ApplDataValue = '%1' WHERE ApplDataName = 'DBVer'")
                    .arg(version)));
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    bool lookupTablesOpen() const
    {
        for (TJetDataset *table : m_dm->LookupTables())
            if (!table->isActive())
                return false;
        return true;
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const ShownMessage &m : ShownMessages())
            texts << m.text;
        return texts;
    }

    TLocalHttpServer m_server;
    std::unique_ptr<TOnlineWatchHandler> m_handler;
    QObject m_receiver;
    QStringList m_splash;
    int m_busy = 0;
};

TEST_F(OnlineWatchHandlerTest, AsksForTheFileAfterTheDatabaseVersion)
{
    const struct {
        const char *version;
        QByteArray path;
    } cases[] = {{"7", "/vlmupdates/VlmTblUpdate8.txt"},
                 {"not a number", "/vlmupdates/VlmTblUpdate1.txt"}};
    for (const auto &c : cases) {
        m_dm = std::make_unique<TdtmMain>();
        m_handler = std::make_unique<TOnlineWatchHandler>(*m_dm, m_server.baseUrl());
        setVersionInFile(QString::fromLatin1(c.version));
        const qsizetype before = m_server.requests().size();
        m_handler->IPWatchStatusChanged(true);
        EXPECT_EQ(m_server.paths().mid(before), (QList<QByteArray>{"/vlminfo/getip.php", c.path}))
            << c.version;
        EXPECT_EQ(InternetStatus(), InternetGreen);
    }
    EXPECT_EQ(m_server.requests().first().userAgent, "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(m_server.requests().first().accept, "text/html, */*");
}

TEST_F(OnlineWatchHandlerTest, FirstReportConnectsUpdatesAndOpensTheLookupTables)
{
    m_server.setFile("/vlmupdates/VlmTblUpdate2.txt", ThreeBlockUpdate());
    m_handler->IPWatchStatusChanged(true);

    EXPECT_TRUE(m_dm->conMainDb->isConnected());
    EXPECT_FALSE(m_dm->FirstRunPending());
    EXPECT_EQ(InternetStatus(), InternetGreen);
    EXPECT_EQ(m_splash, (QStringList{QStringLiteral("Looking for an Internet Connection..."),
                                     QStringLiteral("Looking for Updates..."),
                                     QStringLiteral("Applying Updates..."),
                                     QStringLiteral("Applying Update (1)..."),
                                     QStringLiteral("Applying Update (2)..."),
                                     QStringLiteral("Applying Update (3)..."),
                                     QStringLiteral("Updates were successfull...")}));
    EXPECT_TRUE(lookupTablesOpen());
    EXPECT_EQ(m_dm->tblLanguage->recordCount(), 6); // opened after the update
    EXPECT_EQ(m_dm->GetDatabaseVersion(), QStringLiteral("8"));
    EXPECT_FALSE(QFileInfo::exists(localFile()));
    EXPECT_EQ(m_busy, 0);
    EXPECT_TRUE(ShownMessages().isEmpty());

    // Later reports only check the connection again.
    const qsizetype before = m_server.requests().size();
    m_handler->IPWatchStatusChanged(true);
    EXPECT_EQ(m_server.paths().mid(before), QList<QByteArray>{"/vlminfo/getip.php"});
}

TEST_F(OnlineWatchHandlerTest, FailingBlockKeepsTheDatabaseAndStillOpensTheLookupTables)
{
    m_server.setFile("/vlmupdates/VlmTblUpdate2.txt", FailingSecondBlockUpdate());
    const QByteArray before = ReadAll(m_database);
    m_handler->IPWatchStatusChanged(true);

    EXPECT_TRUE(lookupTablesOpen());
    EXPECT_EQ(m_dm->tblLanguage->recordCount(), 4);
    EXPECT_EQ(m_busy, 0);
    ASSERT_EQ(ShownMessages().size(), 1);
    EXPECT_TRUE(messageTexts().first().contains(QStringLiteral("block 2")))
        << messageTexts().first().toStdString();
    EXPECT_FALSE(QFileInfo::exists(localFile()));
    m_handler.reset();
    m_dm.reset();
    EXPECT_EQ(ReadAll(m_database), before);
}

// The server announces the whole file and closes after its first two blocks:
// nothing is applied and the user hears of it.
TEST_F(OnlineWatchHandlerTest, ABrokenDownloadIsNeverApplied)
{
    const QByteArray update = ThreeBlockUpdate();
    m_server.setCutFile("/vlmupdates/VlmTblUpdate2.txt", update,
                        update.indexOf("<BEGIN>\r\nUPDATE"));
    m_handler->IPWatchStatusChanged(true);

    EXPECT_TRUE(lookupTablesOpen());
    EXPECT_EQ(m_dm->tblLanguage->recordCount(), 4);
    EXPECT_EQ(m_dm->GetDatabaseVersion(), QStringLiteral("1"));
    EXPECT_FALSE(QFileInfo::exists(localFile()));
    ASSERT_EQ(ShownMessages().size(), 1);
    EXPECT_EQ(ShownMessages().first().caption, QStringLiteral("VLM Update"));
    EXPECT_TRUE(messageTexts().first().contains(QStringLiteral("could not be downloaded")))
        << messageTexts().first().toStdString();
}

// A server that keeps sending a byte now and then: the check gives up at its
// limit, the program starts without the update and the status bar says so.
TEST_F(OnlineWatchHandlerTest, ASlowServerDoesNotHoldTheStart)
{
    QStringList notices;
    QObject::connect(&TApplicationState::instance(), &TApplicationState::statusNoticeRequested,
                     &m_receiver, [&notices](const QString &text) { notices << text; });
    m_server.setSlowFile("/vlmupdates/VlmTblUpdate2.txt", ThreeBlockUpdate().repeated(50), 100);
    m_handler->setCheckLimit(1500);
    m_handler->IPWatchStatusChanged(true);

    EXPECT_TRUE(m_dm->conMainDb->isConnected());
    EXPECT_TRUE(lookupTablesOpen());
    EXPECT_EQ(m_dm->tblLanguage->recordCount(), 4);
    EXPECT_FALSE(QFileInfo::exists(localFile()));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices.first().startsWith(QStringLiteral("No update")))
        << notices.first().toStdString();
    EXPECT_TRUE(ShownMessages().isEmpty()) << "the status bar tells, no dialog";
}

// An update that would change the user's own data is refused whole.
TEST_F(OnlineWatchHandlerTest, AForbiddenUpdateIsRefusedAndTold)
{
    m_server.setFile("/vlmupdates/VlmTblUpdate2.txt",
                     "<VLM_DB_UPDATE>\n<BEGIN>\nUPDATE tblApplData SET ApplDataValue = '2' WHERE "
                     "ApplDataName LIKE 'DBVer'\n<END>\n<BEGIN>\nDROP TABLE tblStation\n<END>\n");
    m_handler->IPWatchStatusChanged(true);

    EXPECT_EQ(m_dm->GetDatabaseVersion(), QStringLiteral("1"));
    ASSERT_EQ(ShownMessages().size(), 1);
    EXPECT_TRUE(messageTexts().first().contains(QStringLiteral("refused")))
        << messageTexts().first().toStdString();
    EXPECT_TRUE(messageTexts().first().contains(QStringLiteral("tblStation")))
        << messageTexts().first().toStdString();
}

TEST_F(OnlineWatchHandlerTest, LocalFilePlacedByHandIsAppliedWithoutNetwork)
{
    WriteFile(localFile(), ThreeBlockUpdate());
    m_handler->IPWatchStatusChanged(false);

    EXPECT_TRUE(m_server.requests().isEmpty());
    EXPECT_EQ(InternetStatus(), InternetRed);
    EXPECT_TRUE(lookupTablesOpen());
    EXPECT_EQ(m_dm->tblLanguage->recordCount(), 6);
    EXPECT_FALSE(QFileInfo::exists(localFile()));
}

TEST_F(OnlineWatchHandlerTest, ServerWithoutItsConnectivityPageIsNoInternet)
{
    m_server.clear();
    m_handler->IPWatchStatusChanged(true);

    EXPECT_EQ(InternetStatus(), InternetRed);
    EXPECT_TRUE(m_splash.contains(QStringLiteral("No Internet Connection available!")));
    EXPECT_EQ(m_server.paths(), QList<QByteArray>{"/vlminfo/getip.php"}); // no download
    EXPECT_TRUE(m_dm->conMainDb->isConnected());
    EXPECT_TRUE(lookupTablesOpen());
    EXPECT_TRUE(ShownMessages().isEmpty());
}

TEST_F(OnlineWatchHandlerTest, RecheckRunsTheCheckAgainWithTheWatchActive)
{
    m_handler->IPWatchStatusChanged(false);
    m_handler->Recheck();
    EXPECT_TRUE(m_handler->watch().isActive());
    // The watch has not reported online: the check keeps the indicator red.
    EXPECT_EQ(InternetStatus(), InternetRed);
    m_handler->Stop();
    EXPECT_FALSE(m_handler->watch().isActive());
}

} // namespace
