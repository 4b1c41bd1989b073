#include "base/messages.h"
#include "base/safefile.h"
#include "localhttpserver.h"
#include "update/updatecheck.h"
#include "update/updatedownload.h"
#include "update/updatenotifier.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
const QString InfoPath = QStringLiteral("/vlmupdates/Vlm.inf");

QUrl infoUrl(const LocalHttpServer &server)
{
    return QUrl(server.baseUrl().toString() + InfoPath);
}

// The signal that answered a check, by name.
QString answerOf(UpdateCheck &check, const QString &version, const QUrl &url)
{
    QSignalSpy none(&check, &UpdateCheck::noUpgradeAvailable);
    QSignalSpy upgrade(&check, &UpdateCheck::upgradeAvailable);
    QSignalSpy failed(&check, &UpdateCheck::checkFailed);
    if (!check.start(version, url))
        return QStringLiteral("ignored");
    for (int i = 0; i < 100 && none.isEmpty() && upgrade.isEmpty() && failed.isEmpty(); ++i)
        none.wait(100);
    const int answers = int(none.size() + upgrade.size() + failed.size());
    if (answers != 1)
        return QStringLiteral("%1 answers").arg(answers);
    return !none.isEmpty()      ? QStringLiteral("none")
           : !upgrade.isEmpty() ? QStringLiteral("upgrade")
                                : QStringLiteral("failed");
}
} // namespace

TEST(UpdateCheck, ComparesTheProgramWithTheServersFile)
{
    const struct {
        const char *why;
        int status;
        QByteArray body;
        QString programVersion;
        QString expected;
    } cases[] = {
        {"newer version on the server", 200, "Version=1.0.0.2\nDownload=Velmor.tar.gz\n",
         QStringLiteral("1.0.0.1"), QStringLiteral("upgrade")},
        {"same version", 200, "Version=1.0.0.1\nDownload=Velmor.tar.gz\n",
         QStringLiteral("1.0.0.1"), QStringLiteral("none")},
        {"older version", 200, "Version=0.9.9.9\nDownload=Velmor.tar.gz\n",
         QStringLiteral("1.0.0.1"), QStringLiteral("none")},
        {"build number compared as a number", 200, "Version=1.0.0.10\nDownload=Velmor.tar.gz\n",
         QStringLiteral("1.0.0.9"), QStringLiteral("upgrade")},
        {"malformed file", 200, "<html>maintenance</html>", QStringLiteral("1.0.0.1"),
         QStringLiteral("failed")},
        {"missing file", 404, "not found", QStringLiteral("1.0.0.1"), QStringLiteral("failed")},
        {"server error with a valid body", 500, "Version=9.0.0.0\nDownload=a.tgz",
         QStringLiteral("1.0.0.1"), QStringLiteral("failed")},
        {"oversized file", 200, QByteArray(int(MaxUpdateInfoSize) * 4, '#'),
         QStringLiteral("1.0.0.1"), QStringLiteral("failed")},
        {"program without version", 200, "Version=1.0.0.2\nDownload=a.tgz",
         QStringLiteral("No ver. info"), QStringLiteral("failed")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        LocalHttpServer server;
        ASSERT_TRUE(server.listen());
        server.setResponse(InfoPath, {c.status, c.body, 0});
        UpdateCheck check;
        EXPECT_EQ(answerOf(check, c.programVersion, infoUrl(server)), c.expected);
    }
}

TEST(UpdateCheck, ServerDownIsAFailure)
{
    QUrl url;
    {
        LocalHttpServer gone;
        ASSERT_TRUE(gone.listen());
        url = infoUrl(gone);
    }
    UpdateCheck check;
    EXPECT_EQ(answerOf(check, QStringLiteral("1.0.0.1"), url), QStringLiteral("failed"));
}

TEST(UpdateCheck, ReportsTheNewVersionAndItsDownloadAddress)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    server.setResponse(InfoPath, {200, "Version=1.0.0.2\nDownload=/files/Velmor.tar.gz\n", 0});
    UpdateCheck check;
    QSignalSpy upgrade(&check, &UpdateCheck::upgradeAvailable);
    ASSERT_TRUE(check.start(QStringLiteral("1.0.0.1"), infoUrl(server)));
    ASSERT_TRUE(upgrade.wait(5000));
    const auto info = upgrade.at(0).at(0).value<UpdateInfo>();
    EXPECT_EQ(info.version.toString(), QStringLiteral("1.0.0.2"));
    EXPECT_EQ(info.download,
              QUrl(server.baseUrl().toString() + QStringLiteral("/files/Velmor.tar.gz")));
    EXPECT_EQ(upgrade.at(0).at(1).toString(), QStringLiteral("1.0.0.1"));
}

TEST(UpdateCheck, PaintsWhileRunningOrRecentlyAnsweredDoNotAskTheServerAgain)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    server.setResponse(InfoPath, {200, "Version=1.0.0.1\nDownload=a.tgz", 300});
    UpdateCheck check;
    QSignalSpy none(&check, &UpdateCheck::noUpgradeAvailable);

    ASSERT_TRUE(check.start(QStringLiteral("1.0.0.1"), infoUrl(server)));
    EXPECT_TRUE(check.isRunning()); // start() returned at once: nothing blocked
    EXPECT_FALSE(check.start(QStringLiteral("1.0.0.1"), infoUrl(server)));
    EXPECT_FALSE(check.start(QStringLiteral("1.0.0.1"), infoUrl(server)));
    ASSERT_TRUE(none.wait(5000));
    EXPECT_EQ(none.size(), 1);

    // A later paint gets the same answer again, from the event loop, without a request.
    ASSERT_TRUE(check.start(QStringLiteral("1.0.0.1"), infoUrl(server)));
    EXPECT_EQ(none.size(), 1);
    ASSERT_TRUE(none.wait(5000));
    EXPECT_EQ(none.size(), 2);
    EXPECT_EQ(server.requestCount(InfoPath), 1);

    // Once the answer is old enough the server is asked again.
    check.setRecheckInterval(0);
    EXPECT_EQ(answerOf(check, QStringLiteral("1.0.0.1"), infoUrl(server)), QStringLiteral("none"));
    EXPECT_EQ(server.requestCount(InfoPath), 2);
}

TEST(UpdateCheck, FailedCheckIsRetriedOnlyAfterTheRetryInterval)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    UpdateCheck check;
    EXPECT_EQ(answerOf(check, QStringLiteral("1.0.0.1"), infoUrl(server)),
              QStringLiteral("failed"));
    EXPECT_EQ(answerOf(check, QStringLiteral("1.0.0.1"), infoUrl(server)),
              QStringLiteral("ignored"));
    EXPECT_EQ(server.requestCount(InfoPath), 1);

    server.setResponse(InfoPath, {200, "Version=1.0.0.2\nDownload=a.tgz", 0});
    check.setRetryInterval(0);
    EXPECT_EQ(answerOf(check, QStringLiteral("1.0.0.1"), infoUrl(server)),
              QStringLiteral("upgrade"));
    EXPECT_EQ(server.requestCount(InfoPath), 2);
}

class UpdateNotifierTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.listen());
        ASSERT_TRUE(downloads.isValid());
        ClearShownMessages();
        notifier.setDownloadFolder(downloads.filePath(QStringLiteral("Downloads")));
    }
    void TearDown() override { ClearShownMessages(); }

    void offer(const QByteArray &downloadPath)
    {
        server.setResponse(InfoPath, {200, "Version=1.0.0.2\nDownload=" + downloadPath, 0});
        check.setRecheckInterval(0);
        ASSERT_EQ(answerOf(check, QStringLiteral("1.0.0.1"), infoUrl(server)),
                  QStringLiteral("upgrade"));
    }

    QStringList downloadedFiles() const
    {
        return QDir(notifier.downloadFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    LocalHttpServer server;
    QTemporaryDir downloads;
    UpdateCheck check;
    UpdateNotifier notifier{&check};
};

TEST_F(UpdateNotifierTest, YesDownloadsIntoTheDownloadFolderAndTellsOnce)
{
    const QByteArray program(300000, 'P');
    server.setResponse(QStringLiteral("/files/Velmor-1.0.0.2.tar.gz"), {200, program, 0});
    QSignalSpy saved(notifier.download(), &UpdateDownload::finished);
    SetNextAnswer(AnswerYes);
    offer("/files/Velmor-1.0.0.2.tar.gz");
    ASSERT_TRUE(!saved.isEmpty() || saved.wait(5000));

    const QString path = notifier.downloadFolder() + QStringLiteral("/Velmor-1.0.0.2.tar.gz");
    EXPECT_EQ(saved.at(0).at(0).toString(), path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), program);
    EXPECT_FALSE(file.permissions().testFlag(QFileDevice::ExeOwner));

    // A later report of the same upgrade asks nothing more.
    offer("/files/Velmor-1.0.0.2.tar.gz");
    const QList<ShownMessage> shown = ShownMessages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.at(0).kind, int(MessageQuestion));
    EXPECT_EQ(shown.at(0).caption, UpdateNotifier::caption());
    EXPECT_EQ(shown.at(0).text,
              UpdateNotifier::offerText(QStringLiteral("1.0.0.2"), QStringLiteral("1.0.0.1"),
                                        notifier.downloadFolder()));
    EXPECT_EQ(shown.at(1).kind, int(MessageInfo));
    EXPECT_EQ(shown.at(1).text, UpdateNotifier::savedText(path));
    EXPECT_EQ(server.requestCount(QStringLiteral("/files/Velmor-1.0.0.2.tar.gz")), 1);
}

TEST_F(UpdateNotifierTest, NoDownloadsNothing)
{
    server.setResponse(QStringLiteral("/files/Velmor.tar.gz"), {200, "program", 0});
    QSignalSpy answered(&notifier, &UpdateNotifier::offerAnswered);
    SetNextAnswer(AnswerNo);
    offer("/files/Velmor.tar.gz");
    ASSERT_EQ(answered.size(), 1);
    EXPECT_FALSE(answered.at(0).at(0).toBool());
    EXPECT_EQ(ShownMessages().size(), 1);
    EXPECT_EQ(server.requestCount(QStringLiteral("/files/Velmor.tar.gz")), 0);
    EXPECT_TRUE(downloadedFiles().isEmpty());
}

TEST_F(UpdateNotifierTest, FailedDownloadLeavesNoFileAndSaysSo)
{
    QSignalSpy failed(notifier.download(), &UpdateDownload::failed);
    SetNextAnswer(AnswerYes);
    offer("/files/missing.tar.gz");
    ASSERT_TRUE(!failed.isEmpty() || failed.wait(5000));
    EXPECT_TRUE(downloadedFiles().isEmpty());
    const QList<ShownMessage> shown = ShownMessages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.at(1).kind, int(MessageError));
}

TEST(UpdateDownload, ABrokenTransferOrAFullDiskIsAFailedDownload)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    const QByteArray program(300000, 'P');
    server.setResponse(QStringLiteral("/files/cut.tar.gz"), {200, program, 0, 229});
    server.setResponse(QStringLiteral("/files/whole.tar.gz"), {200, program, 0, -1});
    const struct {
        const char *why;
        const char *path;
        qint64 diskBudget;  // bytes the disk still takes; -1 for plenty
        const char *reason; // part of the reason given; nullptr: any reason
    } cases[] = {
        {"the server closes after 229 of 300000 bytes", "/files/cut.tar.gz", -1, nullptr},
        {"the disk fills during the download", "/files/whole.tar.gz", 1000,
         "No space left on device"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        QTemporaryDir dir;
        UpdateDownload download;
        QSignalSpy finished(&download, &UpdateDownload::finished);
        QSignalSpy failed(&download, &UpdateDownload::failed);
        InjectWriteFailureAfter(c.diskBudget);
        ASSERT_TRUE(download.start(server.baseUrl().resolved(QUrl(QString::fromLatin1(c.path))),
                                   dir.path()));
        ASSERT_TRUE(!failed.isEmpty() || failed.wait(5000));
        InjectWriteFailureAfter(-1);
        EXPECT_TRUE(finished.isEmpty());
        const QString reason = failed.at(0).at(0).toString();
        EXPECT_FALSE(reason.isEmpty());
        if (c.reason) {
            EXPECT_TRUE(reason.contains(QString::fromLatin1(c.reason))) << reason.toStdString();
        }
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
}

TEST(UpdateDownload, NeverOverwritesAFileOfTheSameName)
{
    QTemporaryDir dir;
    const struct {
        const char *url;
        QStringList existing;
        QString expected;
    } cases[] = {
        {"http://h/files/Velmor-1.2.tar.gz", {}, QStringLiteral("Velmor-1.2.tar.gz")},
        {"http://h/files/Velmor.tar.gz",
         {QStringLiteral("Velmor.tar.gz")},
         QStringLiteral("Velmor (1).tar.gz")},
        {"http://h/files/Velmor.tar.gz",
         {QStringLiteral("Velmor.tar.gz"), QStringLiteral("Velmor (1).tar.gz")},
         QStringLiteral("Velmor (2).tar.gz")},
        {"http://h/", {}, QStringLiteral("Vlm-update")},
        {"http://h/files/..", {}, QStringLiteral("Vlm-update")},
    };
    int round = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.url);
        const QString folder = dir.filePath(QString::number(round++));
        QDir().mkpath(folder);
        for (const QString &name : c.existing) {
            QFile f(folder + QLatin1Char('/') + name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(UpdateDownload::TargetPath(QUrl(QString::fromUtf8(c.url)), folder),
                  folder + QLatin1Char('/') + c.expected);
    }
}
