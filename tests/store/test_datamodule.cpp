#include "base/messages.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "fulldisk.h"
#include "store/datamodule.h"
#include "store/jetconnectionstring.h"
#include "storetestsupport.h"

#include <QDirIterator>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace
{

const char *const TerminationCaption = "VLM Database";
const char *const TerminationText =
    "Unable to connect the VLM Database !\nThis application will terminate...";

QStringList captions()
{
    QStringList result;
    for (const ShownMessage &m : ShownMessages())
        result << m.caption;
    return result;
}

// Each test gets a program folder, another folder and a preferences file of its own.
class DataModuleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        storetest::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_program = m_dir.filePath(QStringLiteral("program")) + QLatin1Char('/');
        m_other = m_dir.filePath(QStringLiteral("other place")) + QLatin1Char('/');
        QDir().mkpath(m_program);
        QDir().mkpath(m_other);
        SetProgramFolder(m_program);
        SetPreferenceFile(m_dir.filePath(QStringLiteral("prefs.ini")));
        ClearShownMessages();
    }

    void TearDown() override
    {
        SetProgramFolder(QString());
        SetPreferenceFile(QString());
        ClearShownMessages();
    }

    QString expand(QString text) const
    {
        text.replace(QStringLiteral("{program}"), m_program);
        text.replace(QStringLiteral("{other}"), m_other);
        return text;
    }

    QStringList files() const
    {
        QStringList result;
        QDirIterator it(m_dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            result << it.next();
        result.sort();
        return result;
    }

    // Runs one statement on a database file outside the data module.
    static void tamper(const QString &file, const QString &statement)
    {
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tamper"));
            db.setDatabaseName(file);
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(statement)) << statement.toStdString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("tamper"));
    }

    QTemporaryDir m_dir;
    QString m_program;
    QString m_other;
};

struct ConnectCase {
    const char *name;
    bool besideProgram; // a database in the program's folder
    bool inOther;       // a database in the other folder
    bool garbageBeside; // a "VlmMain.mdb" beside the program that is no database
    const char *dbPath; // stored DbPath before ("" none)
    bool automatic;
    const char *chosen; // file chosen in the dialog ("" cancels)
    bool connected;
    const char *folder; // database folder found
    const char *dbPathAfter;
    const char *messages; // captions shown, joined by ","
};

class ConnectDatabase : public DataModuleTest, public testing::WithParamInterface<ConnectCase>
{
};

TEST_P(ConnectDatabase, FindsTheFileOrTerminates)
{
    const ConnectCase &c = GetParam();
    if (c.besideProgram)
        storetest::CopyDatabase(m_program);
    if (c.inOther)
        storetest::CopyDatabase(m_other);
    if (c.garbageBeside) {
        QFile garbage(m_program + QStringLiteral("VlmMain.mdb"));
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, 'x'));
    }
    if (*c.dbPath)
        TPreferences::setDbPath(expand(QString::fromUtf8(c.dbPath)));
    if (!c.automatic)
        SetNextFileName(expand(QString::fromUtf8(c.chosen)));
    const QStringList before = files();

    TdtmMain dtm;
    EXPECT_EQ(dtm.ConnectDatabase(c.automatic), c.connected);

    EXPECT_EQ(dtm.conMainDb->isConnected(), c.connected);
    EXPECT_EQ(dtm.TerminationRequested(), !c.connected);
    EXPECT_EQ(captions().join(QLatin1Char(',')).toStdString(), std::string(c.messages));
    EXPECT_EQ(TPreferences::dbPath(), expand(QString::fromUtf8(c.dbPathAfter)));
    if (c.connected) {
        EXPECT_EQ(dtm.DatabaseFolder(), expand(QString::fromUtf8(c.folder)));
        EXPECT_EQ(dtm.conMainDb->dataSource(),
                  expand(QString::fromUtf8(c.folder)) + QStringLiteral("VlmMain.mdb"));
    }
    // Nothing is ever created: no empty database beside the program or elsewhere.
    QStringList after = files();
    after.removeAll(m_dir.filePath(QStringLiteral("prefs.ini")));
    QStringList expected = before;
    expected.removeAll(m_dir.filePath(QStringLiteral("prefs.ini")));
    EXPECT_EQ(after, expected);
}

const ConnectCase connectCases[] = {
    {"BesideProgramWinsOverDbPath", true, true, false, "{other}", true, "", true, "{program}",
     "{program}", ""},
    {"DbPathWhenNotBesideProgram", false, true, false, "{other}", true, "", true, "{other}",
     "{other}", ""},
    {"DbPathWithoutTrailingSeparator", false, true, false, "{other}.", true, "", true, "{other}./",
     "{other}./", ""},
    {"NothingFoundTerminates", false, false, false, "", true, "", false, "", "", "VLM Database"},
    {"StoredFolderWithoutDatabase", false, false, false, "{other}", true, "", false, "", "{other}",
     "VLM Database"},
    {"NoDatabaseInFileTerminates", false, false, true, "", true, "", false, "", "{program}",
     "VLM Database"},
    {"DialogChoosesFile", false, true, false, "", false, "{other}VlmMain.mdb", true, "{other}",
     "{other}", ""},
    {"DialogCancelled", false, true, false, "", false, "", false, "", "", "VLM Database"},
    {"DialogNameInOtherCase", false, true, false, "", false, "{other}vlmmain.mdb", false, "", "",
     "Database Connection,VLM Database"},
    {"DialogFileMissing", false, false, false, "", false, "{other}VlmMain.mdb", false, "", "",
     "Database Connection,VLM Database"},
};

INSTANTIATE_TEST_SUITE_P(Paths, ConnectDatabase, testing::ValuesIn(connectCases),
                         [](const testing::TestParamInfo<ConnectCase> &info) {
                             return std::string(info.param.name);
                         });

TEST_F(DataModuleTest, FailureMessagesReadAsTheUserSeesThem)
{
    storetest::CopyDatabase(m_other, QStringLiteral("vlmmain.mdb"));
    SetNextFileName(m_other + QStringLiteral("vlmmain.mdb"));
    TdtmMain dtm;
    EXPECT_FALSE(dtm.ConnectDatabase(false));
    const QList<ShownMessage> shown = ShownMessages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].text,
              QStringLiteral("There is no connection to the VLM Database !\nTry again..."));
    EXPECT_EQ(shown[0].kind, MessageError);
    EXPECT_EQ(shown[1].caption, QString::fromUtf8(TerminationCaption));
    EXPECT_EQ(shown[1].text, QString::fromUtf8(TerminationText));
    EXPECT_EQ(shown[1].kind, MessageError);
}

// A database the user may not write opens for reading, and the user hears
// of it once, in the program's words; a Save then fails with those words too.
TEST_F(DataModuleTest, ReadOnlyDatabaseIsToldOnceAtConnection)
{
    // As root only a read-only file system keeps a file from being written.
    TSmallDisk disk(8 * 1024 * 1024);
    QString folder = m_dir.filePath(QStringLiteral("read-only"));
    if (disk.mounted())
        folder = disk.path();
    const QString file = storetest::CopyDatabase(folder);
    if (disk.mounted()) {
        ASSERT_TRUE(disk.makeReadOnly());
    } else {
        QFile::setPermissions(file, QFile::ReadOwner);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    // A read-only program folder sends the program to the stored DbPath.
    TPreferences::setDbPath(folder + QLatin1Char('/'));
    {
        TdtmMain dtm;
        ASSERT_TRUE(dtm.ConnectDatabase(true)) << dtm.conMainDb->lastErrorText().toStdString();
        EXPECT_TRUE(dtm.conMainDb->isReadOnly());
        ASSERT_EQ(ShownMessages().size(), 1);
        EXPECT_EQ(ShownMessages().first().caption, QStringLiteral("VLM Database"));
        EXPECT_TRUE(ShownMessages().first().text.startsWith(
            QStringLiteral("The VLM Database cannot be written:\n")))
            << ShownMessages().first().text.toStdString();
        EXPECT_TRUE(dtm.OpenLookupTables()) << "the data can still be read";

        EXPECT_FALSE(dtm.conMainDb->exec(QStringLiteral(
            "UPDATE tblApplData SET ApplDataValue = '2' WHERE ApplDataName LIKE 'DBVer'")));
        EXPECT_EQ(dtm.conMainDb->lastErrorText(),
                  QStringLiteral("The VLM Database cannot be written: the change was not saved."));
        EXPECT_EQ(ShownMessages().size(), 1) << "nothing more is shown by the connection";
    }
    if (!disk.mounted()) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    }

    // A database that can be written says nothing.
    ClearShownMessages();
    storetest::CopyDatabase(m_program);
    TdtmMain writable;
    ASSERT_TRUE(writable.ConnectDatabase(true));
    EXPECT_FALSE(writable.conMainDb->isReadOnly());
    EXPECT_TRUE(ShownMessages().isEmpty());
}

TEST_F(DataModuleTest, ConnectionStringIsTheJetContract)
{
    storetest::CopyDatabase(m_program);
    TdtmMain dtm;
    ASSERT_TRUE(dtm.ConnectDatabase(true));
    EXPECT_EQ(dtm.conMainDb->connectionString(),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=") +
                  m_program +
                  QStringLiteral(
                      "VlmMain.mdb;Mode=ReadWrite;Extended Properties=\"\";"
                      "Jet OLEDB:System database=\"\";Jet OLEDB:Registry Path=\"\";"
                      "Jet OLEDB:Database Password=Rb4xLqT9w;Jet OLEDB:Engine Type=5;"
                      "Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global Partial Bulk Ops=2;"
                      "Jet OLEDB:Global Bulk Transactions=1;Jet OLEDB:New Database Password=\"\";"
                      "Jet OLEDB:Create System Database=False;Jet OLEDB:Encrypt Database=False;"
                      "Jet OLEDB:Don't Copy Locale on Compact=False;"
                      "Jet OLEDB:Compact Without Replica Repair=False;Jet OLEDB:SFP=False"));
}

TEST_F(DataModuleTest, LookupTablesOpenInComponentOrder)
{
    storetest::CopyDatabase(m_program);
    TdtmMain dtm;
    ASSERT_TRUE(dtm.ConnectDatabase(true));
    dtm.ClearExecutedStatements();
    EXPECT_TRUE(dtm.OpenLookupTables());
    QStringList names;
    for (TJetDataset *table : dtm.LookupTables()) {
        names << table->objectName();
        EXPECT_TRUE(table->isActive()) << table->objectName().toStdString();
    }
    EXPECT_EQ(names.join(QLatin1Char(' ')),
              QStringLiteral(
                  "tblZipCity1 tblTxTime1 tblLstAntKind tblMode1 tblSpaceAtt tblLstAnt tblBandFreq "
                  "tblCableLoss1 tblLanguage tblCableLoss2 tblCableLoss3 tblCableLoss4 tblZipCity2 "
                  "tblTxTime2 tblMode2 tblErpVal tblListAntPol tblBandFreqSt tblBandFreqQrp"));
    EXPECT_EQ(dtm.ExecutedStatements().size(), names.size());
    EXPECT_EQ(dtm.ExecutedStatements().value(7), QStringLiteral("SELECT * FROM qryCableLoss1"));
    EXPECT_TRUE(ShownMessages().isEmpty());
    // The power page finds the coax lists by name; lists show the saved query's key.
    ASSERT_NE(dtm.dataset(QStringLiteral("tblCableLoss3")), nullptr);
    EXPECT_GE(
        dtm.dataset(QStringLiteral("tblCableLoss3"))->fieldIndex(QStringLiteral("IdCableLoss3")),
        0);
    EXPECT_GT(dtm.tblLanguage->recordCount(), 0);
}

TEST_F(DataModuleTest, MissingSavedQueryStopsAtItsTable)
{
    const QString file = storetest::CopyDatabase(m_program);
    tamper(file, QStringLiteral("DROP VIEW qryCableLoss1"));
    TdtmMain dtm;
    ASSERT_TRUE(dtm.ConnectDatabase(true));
    EXPECT_FALSE(dtm.OpenLookupTables());
    ASSERT_EQ(ShownMessages().size(), 1);
    EXPECT_EQ(ShownMessages()[0].caption, QStringLiteral("Starting VLM"));
    EXPECT_EQ(ShownMessages()[0].text,
              QStringLiteral("Error when opening VLM Database (table: tblCableLoss1)"));
    bool reached = false;
    for (TJetDataset *table : dtm.LookupTables()) {
        reached = reached || table == dtm.tblCableLoss1;
        EXPECT_EQ(table->isActive(), !reached) << table->objectName().toStdString();
    }
}

TEST_F(DataModuleTest, LookupTablesWithoutConnection)
{
    TdtmMain dtm;
    EXPECT_FALSE(dtm.OpenLookupTables());
    ASSERT_EQ(ShownMessages().size(), 1);
    EXPECT_EQ(ShownMessages()[0].caption, QStringLiteral("Starting VLM"));
    EXPECT_EQ(ShownMessages()[0].text,
              QStringLiteral("Error when loading the lookup tables ! You will have to connect to "
                             "the database manually..."));
    for (TJetDataset *table : dtm.LookupTables())
        EXPECT_FALSE(table->isActive());
}

TEST_F(DataModuleTest, VersionReadConnectsOnFirstUse)
{
    const QString file = storetest::CopyDatabase(m_program);
    tamper(file, QStringLiteral(
                     "UPDATE tblApplData SET ApplDataValue = '7' WHERE ApplDataName = 'DBVer'"));
    TdtmMain dtm;
    EXPECT_TRUE(dtm.FirstRunPending());
    QStringList status;
    QObject::connect(&dtm, &TdtmMain::connectionStatusChanged, &dtm,
                     [&status](const QString &text) { status << text; });

    EXPECT_EQ(dtm.GetDatabaseVersion(), QStringLiteral("7"));

    EXPECT_FALSE(dtm.FirstRunPending());
    EXPECT_TRUE(dtm.conMainDb->isConnected());
    EXPECT_TRUE(dtm.tblBandFreqQrp->isActive());
    EXPECT_EQ(dtm.ExecutedStatements().last(),
              QStringLiteral(
                  "SELECT ApplDataValue \nFROM tblApplData \nWHERE ApplDataName LIKE 'DBVer' "));
    EXPECT_EQ(status.first(), QStringLiteral("Connected"));
    EXPECT_EQ(status.mid(status.size() - 2),
              (QStringList{QStringLiteral("Executing"), QStringLiteral("Connected")}));
    EXPECT_TRUE(ShownMessages().isEmpty());

    dtm.conMainDb->close();
    EXPECT_EQ(status.last(), QStringLiteral("Disconnected"));
}

TEST_F(DataModuleTest, VersionReadWithoutDatabaseTerminatesOnce)
{
    TdtmMain dtm;
    EXPECT_EQ(dtm.GetDatabaseVersion(), QString());
    EXPECT_TRUE(dtm.TerminationRequested());
    EXPECT_EQ(captions(), QStringList{QString::fromUtf8(TerminationCaption)});
    EXPECT_FALSE(QFile::exists(m_program + QStringLiteral("VlmMain.mdb")));
}

TEST_F(DataModuleTest, VersionReadWithoutVersionRowIsEmpty)
{
    const QString file = storetest::CopyDatabase(m_program);
    tamper(file, QStringLiteral("DELETE FROM tblApplData"));
    TdtmMain dtm;
    EXPECT_EQ(dtm.GetDatabaseVersion(), QString());
    EXPECT_TRUE(dtm.conMainDb->isConnected());
}

TEST_F(DataModuleTest, ExportConnectionOpensOnlyAnExistingFile)
{
    const QString exportFile = storetest::CopyDatabase(m_other, QStringLiteral("ON4AB_Vlm.mdb"),
                                                       QStringLiteral(VLM_TEST_EXPORT_STAGING));
    TdtmMain dtm;
    ASSERT_TRUE(dtm.ConnectExportDatabase(exportFile));
    EXPECT_EQ(dtm.conExport->dataSource(), exportFile);
    EXPECT_TRUE(dtm.conExport->connectionString().contains(
        QStringLiteral("Jet OLEDB:Database Password=\"\";")));
    dtm.qryExport->sql() << QStringLiteral("SELECT count(*) AS n FROM sqlite_master");
    EXPECT_TRUE(dtm.qryExport->open());
    EXPECT_FALSE(dtm.conMainDb->isConnected());

    const QString missing = m_other + QStringLiteral("missing_Vlm.mdb");
    EXPECT_FALSE(dtm.ConnectExportDatabase(missing));
    EXPECT_FALSE(dtm.conExport->isConnected());
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(DataModuleTest, StatusPanelFollowsOnlyTheMainDatabase)
{
    storetest::CopyDatabase(m_program);
    const QString exportFile = storetest::CopyDatabase(m_other, QStringLiteral("ON4AB_Vlm.mdb"),
                                                       QStringLiteral(VLM_TEST_EXPORT_STAGING));
    QStringList status; // outlives dtm, whose closing still reports
    TdtmMain dtm;
    ASSERT_FALSE(dtm.GetDatabaseVersion().isEmpty());
    QObject::connect(&dtm, &TdtmMain::connectionStatusChanged, &dtm,
                     [&status](const QString &text) { status << text; });

    // Opening, using and closing the export file leaves the panel alone...
    ASSERT_TRUE(dtm.ConnectExportDatabase(exportFile));
    dtm.qryExport->sql() << QStringLiteral("SELECT count(*) AS n FROM sqlite_master");
    EXPECT_TRUE(dtm.qryExport->open());
    dtm.conExport->close();
    EXPECT_EQ(status, QStringList());
    // ...while the statements still reach the log,
    EXPECT_TRUE(dtm.ExecutedStatements().last().contains(QStringLiteral("sqlite_master")));
    // and the main database's own work is still shown.
    EXPECT_EQ(dtm.GetDatabaseVersion(), QStringLiteral("1"));
    EXPECT_EQ(status.last(), QStringLiteral("Connected"));
    EXPECT_TRUE(dtm.conMainDb->isConnected());
}

} // namespace
