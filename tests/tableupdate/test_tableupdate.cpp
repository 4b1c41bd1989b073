#include "localhttpserver.h"
#include "store/tableupdate.h"
#include "store/tableupdatedownload.h"
#include "tableupdatetestsupport.h"

#include <QFileInfo>

using namespace tableupdatetest;

namespace {

class ApplyTableUpdates : public ProgramFolderTest
{
protected:
    TTableUpdateResult apply(const QByteArray &content)
    {
        WriteFile(localFile(), content);
        return ::ApplyTableUpdates(*m_dm, [this](const QString &text) { m_progress << text; });
    }

    QStringList m_progress;
};

TEST_F(ApplyTableUpdates, RunsEveryBlockInOrderWithProgressAndDeletesTheFile)
{
    ASSERT_TRUE(connect());
    const TTableUpdateResult result = apply(ThreeBlockUpdate());
    EXPECT_EQ(result.outcome, TTableUpdateResult::Applied) << result.error.toStdString();
    EXPECT_EQ(result.blocksRun, 3);
    EXPECT_EQ(m_progress, (QStringList{QStringLiteral("Applying Updates..."),
                                       QStringLiteral("Applying Update (1)..."),
                                       QStringLiteral("Applying Update (2)..."),
                                       QStringLiteral("Applying Update (3)..."),
                                       QStringLiteral("Updates were successfull...")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT LanguageFullE FROM tblLanguage WHERE IdLanguage = 11")),
              QStringLiteral("Eleven"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT LanguageFullE FROM tblLanguage WHERE IdLanguage = 12")),
              QStringLiteral("Twelve"));
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT ApplDataValue FROM tblApplData WHERE ApplDataName = 'DBVer'")),
              QStringLiteral("8"));
    EXPECT_FALSE(QFileInfo::exists(localFile()));
}

TEST_F(ApplyTableUpdates, FailingBlockLeavesTheDatabaseByteForByteAsBefore)
{
    m_dm.reset();
    const QByteArray before = ReadAll(m_database);
    m_dm = std::make_unique<TdtmMain>();
    ASSERT_TRUE(connect());

    const TTableUpdateResult result = apply(FailingSecondBlockUpdate());
    EXPECT_EQ(result.outcome, TTableUpdateResult::Failed);
    EXPECT_EQ(result.failedBlock, 2);
    EXPECT_EQ(result.blocksRun, 1);
    EXPECT_TRUE(result.error.contains(QStringLiteral("tblNoSuchTable")))
        << result.error.toStdString();
    EXPECT_FALSE(m_progress.contains(QStringLiteral("Updates were successfull...")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblLanguage WHERE IdLanguage = 11")),
              QStringLiteral("0"));
    EXPECT_FALSE(QFileInfo::exists(localFile()));

    // The connection still works after the rollback.
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT ApplDataValue FROM tblApplData WHERE ApplDataName = 'DBVer'")),
              QStringLiteral("1"));
    m_dm.reset();
    EXPECT_EQ(ReadAll(m_database), before);
}

TEST_F(ApplyTableUpdates, FilesThatAreNotUpdatesAreDeletedUnapplied)
{
    ASSERT_TRUE(connect());
    const struct
    {
        const char *name;
        QByteArray content;
    } cases[] = {
        {"marker_with_trailing_space",
         "<VLM_DB_UPDATE> \n<BEGIN>\nDELETE FROM tblLanguage\n<END>\n"},
        {"server_error_page", "<html><body>404 Not Found</body></html>\n"},
        {"empty", ""},
    };
    for (const auto &c : cases) {
        m_progress.clear();
        const TTableUpdateResult result = apply(c.content);
        EXPECT_EQ(result.outcome, TTableUpdateResult::Ignored) << c.name;
        EXPECT_TRUE(m_progress.isEmpty()) << c.name;
        EXPECT_FALSE(QFileInfo::exists(localFile())) << c.name;
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblLanguage")), QStringLiteral("4"));
}

TEST_F(ApplyTableUpdates, NoFileIsNothingToDo)
{
    ASSERT_TRUE(connect());
    EXPECT_EQ(::ApplyTableUpdates(*m_dm).outcome, TTableUpdateResult::NoFile);
}

TEST_F(ApplyTableUpdates, FileLargerThanTenMegabytesIsRefusedUnread)
{
    ASSERT_TRUE(connect());
    QByteArray content = "<VLM_DB_UPDATE>\n<BEGIN>\nDELETE FROM tblLanguage\n<END>\n";
    content.append(QByteArray(MaxTableUpdateFileSize, '-'));
    const TTableUpdateResult result = apply(content);
    EXPECT_EQ(result.outcome, TTableUpdateResult::Refused);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(localFile()));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblLanguage")), QStringLiteral("4"));
}

TEST_F(ApplyTableUpdates, WithoutConnectionNothingRunsAndTheFileGoes)
{
    const TTableUpdateResult result = apply(ThreeBlockUpdate());
    EXPECT_EQ(result.outcome, TTableUpdateResult::Failed);
    EXPECT_FALSE(QFileInfo::exists(localFile()));
}

class DownloadFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(m_server.isListening());
        m_target = m_dir.filePath(QStringLiteral("VlmTblUpdate.txt"));
    }

    QUrl url(const char *path) const
    {
        QUrl u = m_server.baseUrl();
        u.setPath(QString::fromLatin1(path));
        return u;
    }

    QTemporaryDir m_dir;
    TLocalHttpServer m_server;
    QString m_target;
};

TEST_F(DownloadFileTest, WritesTheBodyWithTheProgramNameAsUserAgent)
{
    const QByteArray body = ThreeBlockUpdate().repeated(40); // several 1024-byte chunks
    m_server.setFile("/vlmupdates/VlmTblUpdate2.txt", body);
    WriteFile(m_target, "an older file, longer than nothing at all");
    const TDownloadResult result = DownloadFile(url("/vlmupdates/VlmTblUpdate2.txt"), m_target);
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.httpStatus, 200);
    EXPECT_EQ(ReadAll(m_target), body);
    ASSERT_EQ(m_server.requests().size(), 1);
    EXPECT_EQ(m_server.requests().first().userAgent,
              QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8());
}

TEST_F(DownloadFileTest, ErrorPageIsWrittenForTheReaderToReject)
{
    const TDownloadResult result = DownloadFile(url("/vlmupdates/VlmTblUpdate9.txt"), m_target);
    EXPECT_EQ(result.httpStatus, 404);
    EXPECT_EQ(result.failure, TDownloadResult::None);
    EXPECT_TRUE(ReadAll(m_target).startsWith("<html>"));
}

TEST_F(DownloadFileTest, BodyOverTheLimitIsRefusedAndNothingKept)
{
    m_server.setFile("/big.txt", QByteArray(5000, 'x'));
    const TDownloadResult result = DownloadFile(url("/big.txt"), m_target, 4096);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, TDownloadResult::TooLarge);
    EXPECT_FALSE(QFileInfo::exists(m_target));
}

TEST_F(DownloadFileTest, UnwritableTargetIsALocalFailure)
{
    const TDownloadResult result =
        DownloadFile(url("/x.txt"), m_dir.filePath(QStringLiteral("missing/folder/file.txt")));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, TDownloadResult::LocalFile);
    EXPECT_TRUE(m_server.requests().isEmpty());
}

TEST_F(DownloadFileTest, ServerThatDoesNotListenIsANetworkFailure)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    const TDownloadResult result =
        DownloadFile(QUrl(QStringLiteral("http://127.0.0.1:%1/x.txt").arg(port)), m_target);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, TDownloadResult::Network);
}

} // namespace
