#include "base/programfolder.h"
#include "cli/exportcommand.h"
#include "clirun.h"
#include "exportfixture.h"

#include <QDir>
#include <sstream>

namespace
{

CliRun RunExport(const std::vector<std::string> &args)
{
    return RunCliCommand(ExportCommand(), args);
}

// The fixture owner ON4XX (German documents) with two placements, and a program
// folder holding the export template.
class ExportCli : public ExportDbTest
{
protected:
    void SetUp() override
    {
        ExportDbTest::SetUp();
        const qint32 owner = addOwner(4);
        sql(QStringLiteral("UPDATE tblOwner SET OwnerCall = 'ON4XX'"));
        const qint32 site = addSite(owner, true, 152345, 212346);
        const qint32 dipole =
            addAntenna(FamilyDipoles, QStringLiteral("Dipole"), QStringLiteral("Home-made"), 2.15);
        addPlacement(site, dipole, Band2m, QStringLiteral("A"), 10, 0, 20.5, 22.65);
        addPlacement(site, dipole, Band23cm, QStringLiteral("B"), 12, 0, 10, 12.15);
        CurrentSelection().clear(); // the command finds the owner itself
        programDir = filePath(QStringLiteral("program"));
        ASSERT_TRUE(QDir().mkpath(programDir));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VLM_TEST_EXPORT_DB),
                                programDir + QStringLiteral("/Empty_Vlm.mdb")));
        SetProgramFolder(programDir);
        db = mainFile().toStdString();
        out = filePath(QStringLiteral("out.mdb")).toStdString();
    }
    void TearDown() override
    {
        SetProgramFolder(QString());
        ExportDbTest::TearDown();
    }
    QString programDir;
    std::string db;
    std::string out;
};

TEST_F(ExportCli, WritesTheOwnersExportFile)
{
    const CliRun first = RunExport({db, "ON4XX", out});
    ASSERT_EQ(first.code, ExitSuccess) << first.err;
    EXPECT_EQ(first.out, "Exported 2 antenna(s) of ON4XX to " + out + "\n");
    const QString file = QString::fromStdString(out);
    EXPECT_EQ(FileColumn(file, QStringLiteral("SELECT FileLanguage FROM FileTable")),
              QStringList{QStringLiteral("F")});
    EXPECT_EQ(FileColumn(file, QStringLiteral("SELECT AA03CityApplicant FROM File1Table")),
              QStringList{QStringLiteral("Anvers")});
    EXPECT_EQ(
        FileColumn(file, QStringLiteral("SELECT AntennaEntryPowerdBm FROM File4BTable ORDER BY 1")),
        (QStringList{QStringLiteral("40"), QStringLiteral("50.5")}));
    EXPECT_EQ(FileColumn(file, QStringLiteral(
                                   "SELECT COUNT(*) FROM DefaultAntennaVerticalDiagramEntryTable")),
              QStringList{QStringLiteral("404")});

    // A second run replaces the file with a fresh copy of the template.
    FileColumn(file,
               QStringLiteral("INSERT INTO DefaultAntennaTable (DefaultAntennaPK) VALUES (77)"));
    ASSERT_EQ(RunExport({db, "ON4XX", out}).code, ExitSuccess);
    EXPECT_EQ(FileColumn(file, QStringLiteral("SELECT COUNT(*) FROM DefaultAntennaTable")),
              QStringList{QStringLiteral("2")});
}

TEST_F(ExportCli, RefusesWhatItCannotUse)
{
    const std::string missingDb = filePath(QStringLiteral("none.mdb")).toStdString();
    const struct {
        const char *why;
        std::vector<std::string> args;
        int code;
        const char *message;
    } cases[] = {
        {"too few arguments", {db, "ON4XX"}, ExitUsage, "expected DB, CALL and FILE"},
        {"unknown option", {db, "ON4XX", out, "--fast"}, ExitUsage, "unknown option '--fast'"},
        {"missing database", {missingDb, "ON4XX", out}, ExitFailure, "no database file"},
        {"unknown call", {db, "ON9ZZ", out}, ExitFailure, "no owner with the call 'ON9ZZ'"},
        {"the export would overwrite the database",
         {db, "ON4XX", db},
         ExitUsage,
         "must not be the database"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        const CliRun r = RunExport(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_EQ(FileColumn(mainFile(), QStringLiteral("SELECT OwnerCall FROM tblOwner")),
              QStringList{QStringLiteral("ON4XX")});

    // A template that is not an Access file fails the command and keeps an earlier FILE.
    ASSERT_EQ(RunExport({db, "ON4XX", out}).code, ExitSuccess);
    QFile earlier(QString::fromStdString(out));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    const QByteArray before = earlier.readAll();
    earlier.close();
    QFile notAccess(programDir + QStringLiteral("/Empty_Vlm.mdb"));
    ASSERT_TRUE(notAccess.open(QIODevice::WriteOnly | QIODevice::Truncate));
    notAccess.write("not an Access file");
    notAccess.close();
    const CliRun badTemplate = RunExport({db, "ON4XX", out});
    EXPECT_EQ(badTemplate.code, ExitFailure);
    EXPECT_NE(badTemplate.err.find("is not a usable Access database"), std::string::npos)
        << badTemplate.err;
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_TRUE(earlier.readAll() == before);
    earlier.close();

    ASSERT_TRUE(QFile::remove(programDir + QStringLiteral("/Empty_Vlm.mdb")));
    const CliRun noTemplate = RunExport({db, "ON4XX", out});
    EXPECT_EQ(noTemplate.code, ExitFailure);
    EXPECT_NE(noTemplate.err.find("realy exists"), std::string::npos) << noTemplate.err;
}

} // namespace
