#include "base/safefile.h"
#include "localhttpserver.h"
#include "store/tableupdate.h"
#include "store/tableupdatedownload.h"
#include "tableupdatetestsupport.h"

#include <QDir>
#include <QFileInfo>

using namespace tableupdatetest;

namespace
{

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
    const struct {
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

// Update files may change the reference tables only: each of these blocks is
// refused before anything of the file stays, and the database file is byte
// for byte what it was. A custom antenna sits in the catalogue table.
TEST_F(ApplyTableUpdates, BlocksThatTouchTheUsersDataAreRefused)
{
    ASSERT_TRUE(connect());
    ASSERT_TRUE(
        m_dm->conMainDb->exec(QStringLiteral("INSERT INTO tblListAnt (IdAntFamily, AntType, "
                                             "AntDir) VALUES (49, 'My dipole', 'CUSTOM')")));
    ASSERT_TRUE(
        m_dm->conMainDb->exec(QStringLiteral("INSERT INTO tblOwner (IdLanguage, OwnerCall, "
                                             "OwnerUserDir) VALUES (1, 'ON9ZZ', '/home/jan')")));
    const QString attached = m_dir.filePath(QStringLiteral("chosen-by-the-server.db"));
    const struct {
        const char *why;
        QString block;
        const char *refusal; // part of the reason given
    } cases[] = {
        {"deleting the user's critical test points", QStringLiteral("DELETE FROM tblCriticalPnt"),
         "tblCriticalPnt"},
        {"dropping the placements", QStringLiteral("DROP TABLE tblStation"), "tblStation"},
        {"moving the personal directory", QStringLiteral("UPDATE tblOwner SET OwnerUserDir='/etc'"),
         "tblOwner"},
        {"writing a file where the server chose",
         QStringLiteral("ATTACH DATABASE '%1' AS elsewhere").arg(attached), "attaching"},
        {"a setting of the connection", QStringLiteral("PRAGMA writable_schema = 1"), "PRAGMA"},
        {"a trigger on the user's data",
         QStringLiteral("CREATE TRIGGER t AFTER INSERT ON tblLanguage BEGIN DELETE FROM tblOwner; "
                        "END"),
         "structure"},
        {"the key counters of the user's tables",
         QStringLiteral("UPDATE sqlite_sequence SET seq = 0"), "sqlite_sequence"},
        {"ending the update's transaction", QStringLiteral("COMMIT"), "transaction"},
        {"deleting the whole catalogue with the custom antennas",
         QStringLiteral("DELETE FROM tblListAnt"), nullptr},
        {"turning a catalogue antenna into a custom one",
         QStringLiteral("UPDATE tblListAnt SET IdAntFamily = 49 WHERE IdAntFamily <> 49"), nullptr},
    };
    m_dm->conMainDb->close();
    const QByteArray before = ReadAll(m_database);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        ASSERT_TRUE(connect());
        const QByteArray file = "<VLM_DB_UPDATE>\n<BEGIN>\nINSERT INTO tblLanguage (IdLanguage, "
                                "LanguageFullE) VALUES (11, 'Eleven')\n<END>\n<BEGIN>\n" +
                                c.block.toUtf8() + "\n<END>\n";
        const TTableUpdateResult result = apply(file);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.failedBlock, 2);
        if (c.refusal) {
            EXPECT_EQ(result.outcome, TTableUpdateResult::Forbidden);
            EXPECT_TRUE(result.error.contains(QString::fromLatin1(c.refusal)))
                << result.error.toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(attached));
        m_dm->conMainDb->close();
        EXPECT_TRUE(ReadAll(m_database) == before);
    }
}

// What the maker's files do: change reference tables, also with Jet's LIKE
// wildcards, and make a table of their own with an AutoNumber key.
TEST_F(ApplyTableUpdates, ReferenceTablesAndNewTablesMayChange)
{
    ASSERT_TRUE(connect());
    const QByteArray file =
        "<VLM_DB_UPDATE>\n"
        "<BEGIN>\nUPDATE tblLanguage SET LanguageFullE = LanguageFullE & ' (1)' WHERE "
        "LanguageFullE "
        "LIKE 'd*'\n<END>\n"
        "<BEGIN>\nUPDATE tblLanguage SET LanguageFullE = LanguageFullE & ' (2)' WHERE "
        "LanguageFullE "
        "LIKE '?rench'\n<END>\n"
        "<BEGIN>\nCREATE TABLE tblNews (IdNews COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, "
        "NewsText TEXT(50))\n<END>\n"
        "<BEGIN>\nINSERT INTO tblNews (NewsText) VALUES ('first')\n<END>\n"
        "<BEGIN>\nINSERT INTO tblNews (NewsText) VALUES ('second')\n<END>\n"
        "<BEGIN>\nDELETE FROM tblBipt WHERE 1 = 0\n<END>\n";
    const TTableUpdateResult result = apply(file);
    ASSERT_EQ(result.outcome, TTableUpdateResult::Applied) << result.error.toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT LanguageFullE FROM tblLanguage WHERE IdLanguage = 2")),
              QStringLiteral("Dutch (1)"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT LanguageFullE FROM tblLanguage WHERE IdLanguage = 3")),
              QStringLiteral("French (2)"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(IdNews || '=' || NewsText, ',') FROM tblNews")),
        QStringLiteral("1=first,2=second"));
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

// A transfer that does not end as it should is a failed download: no local
// file is left (not even one of an earlier run), so nothing of it is applied.
TEST_F(DownloadFileTest, AnIncompleteTransferLeavesNoFile)
{
    TLocalHttpServer elsewhere;
    ASSERT_TRUE(elsewhere.isListening());
    elsewhere.setFile("/VlmTblUpdate2.txt", ThreeBlockUpdate());
    const QByteArray update = ThreeBlockUpdate();
    m_server.setCutFile("/cut.txt", update, update.indexOf("<BEGIN>\r\nUPDATE"));
    m_server.setSlowFile("/slow.txt", update, 40);
    m_server.setRedirect("/moved.txt", QStringLiteral("http://localhost:%1/VlmTblUpdate2.txt")
                                           .arg(elsewhere.baseUrl().port())
                                           .toLatin1());
    const struct {
        const char *why;
        const char *path;
        TDownloadResult::Failure failure;
    } cases[] = {
        {"the server closes before the announced length", "/cut.txt", TDownloadResult::Broken},
        {"the server sends a byte now and then", "/slow.txt", TDownloadResult::TimedOut},
        {"the server sends the update to another host", "/moved.txt", TDownloadResult::Redirected},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        WriteFile(m_target, ThreeBlockUpdate()); // left by an earlier run
        const TDownloadResult result = DownloadFile(url(c.path), m_target, 1 << 20, 30000, 500);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.failure, c.failure) << result.error.toStdString();
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(m_target));
        EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty()) << "no temporary file";
    }
    EXPECT_TRUE(elsewhere.requests().isEmpty());
}

TEST_F(DownloadFileTest, ARedirectOnTheSameServerIsFollowed)
{
    m_server.setFile("/vlmupdates/VlmTblUpdate2.txt", ThreeBlockUpdate());
    m_server.setRedirect("/old/VlmTblUpdate2.txt", "/vlmupdates/VlmTblUpdate2.txt");
    const TDownloadResult result = DownloadFile(url("/old/VlmTblUpdate2.txt"), m_target);
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(ReadAll(m_target), ThreeBlockUpdate());
}

TEST_F(DownloadFileTest, AFullDiskIsALocalFailure)
{
    m_server.setFile("/vlmupdates/VlmTblUpdate2.txt", ThreeBlockUpdate());
    InjectWriteFailureAfter(50);
    const TDownloadResult result = DownloadFile(url("/vlmupdates/VlmTblUpdate2.txt"), m_target);
    InjectWriteFailureAfter(-1);
    EXPECT_EQ(result.failure, TDownloadResult::LocalFile);
    EXPECT_TRUE(result.error.contains(QStringLiteral("No space left on device")))
        << result.error.toStdString();
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
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
