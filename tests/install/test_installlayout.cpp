// Where an installed copy keeps the user's database and the owners' folders.
#include "base/installlayout.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "store/datamodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// A program folder with a shipped database, and a user whose data, settings
// and documents folders all lie in the same temporary folder.
class InstallLayoutTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_installlayout";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv); // lives to the end; the SQL driver needs it
        QCoreApplication::setApplicationName(QStringLiteral("Velmor"));
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_program = m_root.filePath(QStringLiteral("program"));
        ASSERT_TRUE(QDir().mkpath(m_program));
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(VLM_TEST_DB), m_program + QStringLiteral("/VlmMain.mdb")));
        m_shipped = ReadAll(m_program + QStringLiteral("/VlmMain.mdb"));
        ASSERT_FALSE(m_shipped.isEmpty());
        QFile::setPermissions(m_program + QStringLiteral("/VlmMain.mdb"),
                              QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup |
                                  QFile::ReadOther);
        qputenv("HOME", m_root.filePath(QStringLiteral("home")).toUtf8());
        qputenv("XDG_DATA_HOME", m_root.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", m_root.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_CACHE_HOME", m_root.filePath(QStringLiteral("cache")).toUtf8());
        SetProgramFolder(m_program);
        SetPreferenceFile(m_root.filePath(QStringLiteral("preferences.ini")));
    }

    void TearDown() override
    {
        SetProgramFolderWritableOverride(std::nullopt);
        SetProgramFolder(QString());
        SetPreferenceFile(QString());
        QFile(m_program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString UserCopy() const { return m_root.filePath(QStringLiteral("data/Velmor/VlmMain.mdb")); }

    QTemporaryDir m_root;
    QString m_program;
    QByteArray m_shipped;
};

TEST_F(InstallLayoutTest, ReadOnlyFolderIsNotWritableForOrdinaryUsers)
{
    EXPECT_TRUE(IsProgramFolderWritable());
    ASSERT_TRUE(QFile(m_program).setPermissions(QFile::ReadOwner | QFile::ExeOwner |
                                                QFile::ReadUser | QFile::ExeUser));
    // The superuser may write every folder, so only an ordinary user sees it refused.
    EXPECT_EQ(IsProgramFolderWritable(), ::geteuid() == 0);
    SetProgramFolderWritableOverride(false);
    EXPECT_FALSE(IsProgramFolderWritable());
}

TEST_F(InstallLayoutTest, WritableFolderKeepsEverythingBesideTheProgram)
{
    SetProgramFolderWritableOverride(true);
    const UserDatabasePreparation prepared = PrepareUserDatabase();
    EXPECT_TRUE(prepared.ok);
    EXPECT_FALSE(prepared.copied);
    EXPECT_TRUE(TPreferences::dbPath().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_root.filePath(QStringLiteral("data"))));
}

TEST_F(InstallLayoutTest, FirstStartCopiesTheShippedDatabaseOnce)
{
    SetProgramFolderWritableOverride(false);
    const UserDatabasePreparation first = PrepareUserDatabase();
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_TRUE(first.copied);
    const QString folder = m_root.filePath(QStringLiteral("data/Velmor/"));
    EXPECT_EQ(first.databaseFolder, folder);
    EXPECT_EQ(TPreferences::dbPath(), folder);
    EXPECT_EQ(ReadAll(UserCopy()), m_shipped);
    EXPECT_TRUE(QFileInfo(UserCopy()).permissions() & QFile::WriteOwner);
    EXPECT_FALSE(QFileInfo::exists(UserCopy() + QStringLiteral(".part")));

    // The user's changes survive the next start.
    ASSERT_TRUE(WriteAll(UserCopy(), "changed"));
    TPreferences::setDbPath(QString());
    const UserDatabasePreparation second = PrepareUserDatabase();
    ASSERT_TRUE(second.ok);
    EXPECT_FALSE(second.copied);
    EXPECT_EQ(TPreferences::dbPath(), folder);
    EXPECT_EQ(ReadAll(UserCopy()), "changed");
    EXPECT_EQ(QDir(m_program).entryList(QDir::Files), QStringList{QStringLiteral("VlmMain.mdb")});
}

TEST_F(InstallLayoutTest, StoredFolderDecidesWhetherToCopy)
{
    SetProgramFolderWritableOverride(false);
    const QString elsewhere = m_root.filePath(QStringLiteral("elsewhere/"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    const struct {
        const char *label;
        QString stored;
        bool withDatabase;
        bool expectCopy;
    } rows[] = {
        {"another folder with a database stays in use", elsewhere, true, false},
        {"a stored folder without a database is replaced", elsewhere, false, true},
        {"the read-only program folder is replaced", m_program + QStringLiteral("/"), false, true},
    };
    for (const auto &row : rows) {
        QFile::remove(UserCopy());
        QFile::remove(elsewhere + QStringLiteral("VlmMain.mdb"));
        if (row.withDatabase) {
            ASSERT_TRUE(WriteAll(elsewhere + QStringLiteral("VlmMain.mdb"), "mine"));
        }
        TPreferences::setDbPath(row.stored);
        const UserDatabasePreparation prepared = PrepareUserDatabase();
        EXPECT_TRUE(prepared.ok) << row.label;
        EXPECT_EQ(prepared.copied, row.expectCopy) << row.label;
        EXPECT_EQ(QFileInfo::exists(UserCopy()), row.expectCopy) << row.label;
        EXPECT_EQ(TPreferences::dbPath(),
                  row.expectCopy ? m_root.filePath(QStringLiteral("data/Velmor/")) : row.stored)
            << row.label;
    }
}

TEST_F(InstallLayoutTest, NoShippedDatabaseIsReported)
{
    SetProgramFolderWritableOverride(false);
    QFile(m_program + QStringLiteral("/VlmMain.mdb"))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(QFile::remove(m_program + QStringLiteral("/VlmMain.mdb")));
    const UserDatabasePreparation prepared = PrepareUserDatabase();
    EXPECT_FALSE(prepared.ok);
    EXPECT_TRUE(prepared.error.contains(QStringLiteral("VlmMain.mdb")));
    EXPECT_TRUE(TPreferences::dbPath().isEmpty());
}

TEST_F(InstallLayoutTest, ConnectionOpensTheUserCopyOfAnInstalledProgram)
{
    SetProgramFolderWritableOverride(false);
    ASSERT_TRUE(PrepareUserDatabase().ok);
    TdtmMain dtm;
    ASSERT_TRUE(dtm.ConnectDatabase(true));
    EXPECT_EQ(dtm.DatabaseFolder(), m_root.filePath(QStringLiteral("data/Velmor/")));

    // A program folder the user owns keeps its own database first.
    SetProgramFolderWritableOverride(true);
    TdtmMain beside;
    ASSERT_TRUE(beside.ConnectDatabase(true));
    EXPECT_EQ(beside.DatabaseFolder(), m_program + QStringLiteral("/"));
}

TEST_F(InstallLayoutTest, DefaultOwnerFolders)
{
    const struct {
        bool writable;
        QString expected;
    } rows[] = {
        {true, m_program + QStringLiteral("/ON4ABC")},
        {false, m_root.filePath(QStringLiteral("home/Documents/Velmor/ON4ABC"))},
    };
    for (const auto &row : rows) {
        SetProgramFolderWritableOverride(row.writable);
        EXPECT_EQ(DefaultUserDirectoryFor(QStringLiteral("ON4ABC")), row.expected) << row.writable;
    }
}

TEST_F(InstallLayoutTest, ScratchFilesOfAnInstalledCopyGoToTheUserCache)
{
    SetProgramFolderWritableOverride(true);
    EXPECT_EQ(ScratchFile(QStringLiteral("Tmp.bmp")), m_program + QStringLiteral("/Tmp.bmp"));
    SetProgramFolderWritableOverride(false);
    const QString scratch = ScratchFile(QStringLiteral("Tmp.bmp"));
    EXPECT_EQ(scratch, m_root.filePath(QStringLiteral("cache/Velmor/Tmp.bmp")));
    QFile file(scratch);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << "the cache folder is created on demand";
}

} // namespace
