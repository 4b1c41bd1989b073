#include "base/programfolder.h"
#include "cli/packagecommand.h"
#include "cli/reportcommand.h"
#include "clirun.h"
#include "exportfixture.h"
#include "fulldisk.h"
#include "pdftools.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <sstream>

namespace
{

// The owner ON4XX (English documents) with a personal directory, one site with two
// placements and a critical test point right beside the strong one, so that the
// evaluation asks for a terrain study; and a program folder with the export template.
class PackageCli : public ExportDbTest
{
protected:
    void SetUp() override
    {
        ExportDbTest::SetUp();
        dm->conExport->close();
        QFile::remove(exportFile()); // the fixture's export copy is not part of the package
        const qint32 owner = addOwner(1);
        ownerDir = filePath(QStringLiteral("ON4XX files"));
        ASSERT_TRUE(QDir().mkpath(ownerDir));
        sql(QStringLiteral("UPDATE tblOwner SET OwnerCall = 'ON4XX', OwnerUserDir = '%1', "
                           "OwnerFileNote = 'Terrain measured by ON4ZZ'")
                .arg(ownerDir));
        const qint32 site = addSite(owner, true, 152345, 212346);
        const qint32 dipole =
            addAntenna(FamilyDipoles, QStringLiteral("Dipole"), QStringLiteral("Home-made"), 2.15);
        addPlacement(site, dipole, Band2m, QStringLiteral("A"), 10, 0, 1000, 1640);
        addPlacement(site, dipole, Band23cm, QStringLiteral("B"), 12, 0, 10, 16.4);
        sql(QStringLiteral("INSERT INTO tblCriticalPnt (IdTower, IdSpaceAtt, CriticalPntRef, "
                           "CriticalPntDist, CriticalPntHeight, CriticalPntRem) VALUES "
                           "(%1, 1, 'CTP_01', 2, 10, 'Garden')")
                .arg(site));
        sql(QStringLiteral("UPDATE tblStation SET StationTxPower = 100")); // power chains saved
        CurrentSelection().clear(); // the commands find the owner themselves
        programDir = filePath(QStringLiteral("program"));
        ASSERT_TRUE(QDir().mkpath(programDir));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VLM_TEST_EXPORT_DB),
                                programDir + QStringLiteral("/Empty_Vlm.mdb")));
        SetProgramFolder(programDir);
        db = mainFile().toStdString();
    }
    void TearDown() override
    {
        SetProgramFolder(QString());
        ExportDbTest::TearDown();
    }
    QString owned(const QString &name) const { return QDir(ownerDir).filePath(name); }

    QString programDir;
    QString ownerDir;
    std::string db;
};

TEST_F(PackageCli, ReportWritesThePlacementsPdfIntoThePersonalDirectory)
{
    const CliRun r = RunCliCommand(ReportCommand(), {db, "ON4XX", "B"});
    ASSERT_EQ(r.code, ExitSuccess) << r.err;
    const QString pdf = owned(QStringLiteral("ON4XX_VLM_B.pdf"));
    EXPECT_EQ(r.out, "Wrote " + pdf.toStdString() + "\n");
    ASSERT_TRUE(QFileInfo(pdf).isFile());
    const QString text = PdfLayoutText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("CTP_01"))) << text.toStdString();
    EXPECT_EQ(QDir(ownerDir).entryList(QDir::Files),
              QStringList{QStringLiteral("ON4XX_VLM_B.pdf")});
}

TEST_F(PackageCli, PackageWritesExportLetterAndArchive)
{
    const CliRun r = RunCliCommand(PackageCommand(), {db, "ON4XX"});
    ASSERT_EQ(r.code, ExitSuccess) << r.err;
    const QString mdb = owned(QStringLiteral("ON4XX_Vlm.mdb"));
    const QString letter = owned(QStringLiteral("ON4XX_VLM_Letter_Bipt.pdf"));
    const QString exposure = owned(QStringLiteral("ON4XX_VLM_Exposure.pdf"));
    const QString zip = owned(QStringLiteral("ON4XX_Vlm.zip"));
    EXPECT_EQ(r.out, "Wrote " + exposure.toStdString() + "\nWrote " + mdb.toStdString() +
                         "\nWrote " + letter.toStdString() + "\nWrote " + zip.toStdString() + "\n");
    EXPECT_TRUE(PdfLayoutText(exposure).contains(QStringLiteral("CTP_01")));
    EXPECT_EQ(FileColumn(mdb, QStringLiteral("SELECT COUNT(*) FROM DefaultAntennaTable")),
              QStringList{QStringLiteral("2")});

    // The point beside the strong placement asks for a terrain study: the certification
    // letter with the owner's note, listing the export database.
    EXPECT_TRUE(CurrentSelection().terrainStudy);
    const QString text = PdfLayoutText(letter);
    EXPECT_TRUE(text.contains(QStringLiteral("Terrain measured by ON4ZZ"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ON4XX_Vlm.mdb"))) << text.toStdString();

    const ToolResult listing = RunTool(QStringLiteral("zipinfo"), {QStringLiteral("-1"), zip});
    ASSERT_EQ(listing.exitCode, 0) << listing.err.toStdString();
    QStringList entries = listing.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    entries.sort();
    EXPECT_EQ(entries, (QStringList{QStringLiteral("ON4XX_VLM_Exposure.pdf"),
                                    QStringLiteral("ON4XX_VLM_Letter_Bipt.pdf"),
                                    QStringLiteral("ON4XX_Vlm.mdb")}));
}

// A database made before the exposure summary existed has no text for it: the
// regulator's files are still made, and the command says how to get the summary.
TEST_F(PackageCli, PackageOfAnOlderDatabaseWithoutSummaryTextMakesTheRegulatorsFiles)
{
    sql(QStringLiteral("DELETE FROM tblDocs WHERE DocsName = 'ExposureSummary'"));
    const CliRun r = RunCliCommand(PackageCommand(), {db, "ON4XX"});
    ASSERT_EQ(r.code, ExitSuccess) << r.err;
    EXPECT_NE(r.err.find("no exposure summary"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("Exposure"), std::string::npos) << r.out;
    QStringList files = QDir(ownerDir).entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files,
              (QStringList{QStringLiteral("ON4XX_VLM_Letter_Bipt.pdf"),
                           QStringLiteral("ON4XX_Vlm.mdb"), QStringLiteral("ON4XX_Vlm.zip")}));
}

// A placement without a power chain: the files are made, and the command says
// which placement has no value in them.
TEST_F(PackageCli, PackageOfAnIncompleteEvaluationSaysSo)
{
    sql(QStringLiteral("UPDATE tblStation SET StationTxPower = 0 WHERE AntennasRef = 'B'"));
    const CliRun r = RunCliCommand(PackageCommand(), {db, "ON4XX"});
    EXPECT_EQ(r.code, ExitFailure);
    EXPECT_NE(r.err.find("the evaluation is incomplete: no power chain for B"), std::string::npos)
        << r.err;
    EXPECT_TRUE(QFileInfo(owned(QStringLiteral("ON4XX_VLM_Exposure.pdf"))).isFile());
    EXPECT_TRUE(QFileInfo(owned(QStringLiteral("ON4XX_Vlm.zip"))).isFile());
}

TEST_F(PackageCli, RefusesWhatItCannotUse)
{
    const std::string missingDb = filePath(QStringLiteral("none.mdb")).toStdString();
    const struct {
        const char *why;
        bool package;
        std::vector<std::string> args;
        int code;
        const char *message;
    } cases[] = {
        {"report: too few arguments", false, {db, "ON4XX"}, ExitUsage, "expected DB, CALL and REF"},
        {"package: too many arguments",
         true,
         {db, "ON4XX", "A"},
         ExitUsage,
         "expected DB and CALL"},
        {"unknown option", true, {db, "ON4XX", "--all"}, ExitUsage, "unknown option '--all'"},
        {"missing database", true, {missingDb, "ON4XX"}, ExitFailure, "no database file"},
        {"unknown call", false, {db, "ON9ZZ", "A"}, ExitFailure, "no owner with the call 'ON9ZZ'"},
        {"unknown placement", false, {db, "ON4XX", "Z"}, ExitFailure, "no placement 'Z' of ON4XX"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        const CliRun r = c.package ? RunCliCommand(PackageCommand(), c.args)
                                   : RunCliCommand(ReportCommand(), c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_TRUE(QDir(ownerDir).isEmpty());
}

// An owner without a personal directory: nothing is written into the current folder.
TEST_F(PackageCli, RefusesAnOwnerWithoutPersonalDirectory)
{
    sql(QStringLiteral("UPDATE tblOwner SET OwnerUserDir = ''"));
    const QString before = QDir::currentPath();
    const QStringList entries = QDir(before).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    const CliRun report = RunCliCommand(ReportCommand(), {db, "ON4XX", "A"});
    EXPECT_EQ(report.code, ExitFailure);
    EXPECT_NE(report.err.find("no personal directory"), std::string::npos) << report.err;
    const CliRun package = RunCliCommand(PackageCommand(), {db, "ON4XX"});
    EXPECT_EQ(package.code, ExitFailure);
    EXPECT_NE(package.err.find("personal directory"), std::string::npos) << package.err;
    EXPECT_EQ(QDir(before).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), entries);
}

// A portable call ("ON4XX/P") names its files with "_" and keeps them in the
// personal directory.
TEST_F(PackageCli, PortableCallFilesStayInThePersonalDirectory)
{
    sql(QStringLiteral("UPDATE tblOwner SET OwnerCall = 'ON4XX/P'"));
    const CliRun report = RunCliCommand(ReportCommand(), {db, "ON4XX/P", "B"});
    ASSERT_EQ(report.code, ExitSuccess) << report.err;
    const CliRun package = RunCliCommand(PackageCommand(), {db, "ON4XX/P"});
    ASSERT_EQ(package.code, ExitSuccess) << package.err;
    QStringList files = QDir(ownerDir).entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files,
              (QStringList{QStringLiteral("ON4XX_P_VLM_B.pdf"),
                           QStringLiteral("ON4XX_P_VLM_Exposure.pdf"),
                           QStringLiteral("ON4XX_P_VLM_Letter_Bipt.pdf"),
                           QStringLiteral("ON4XX_P_Vlm.mdb"), QStringLiteral("ON4XX_P_Vlm.zip")}));
}

// Report and package when the files cannot be written: a non-zero exit with the
// reason, and every file of the earlier run exactly as it was.
class PackageCliOnAFullDisk : public PackageCli
{
protected:
    void writeEarlierRun()
    {
        ASSERT_EQ(RunCliCommand(ReportCommand(), {db, "ON4XX", "B"}).code, ExitSuccess);
        const CliRun package = RunCliCommand(PackageCommand(), {db, "ON4XX"});
        ASSERT_EQ(package.code, ExitSuccess) << package.err;
        for (const QString &name : QDir(ownerDir).entryList(QDir::Files))
            earlier[name] = FileBytes(owned(name));
        ASSERT_EQ(earlier.size(), 5); // report, exposure summary, letter, export, archive
    }
    void expectFailureKeepingTheEarlierRun()
    {
        const CliRun report = RunCliCommand(ReportCommand(), {db, "ON4XX", "B"});
        EXPECT_EQ(report.code, ExitFailure);
        EXPECT_NE(report.err.find("No space left on device"), std::string::npos) << report.err;
        EXPECT_TRUE(report.out.empty()) << report.out;
        const CliRun package = RunCliCommand(PackageCommand(), {db, "ON4XX"});
        EXPECT_EQ(package.code, ExitFailure);
        EXPECT_NE(package.err.find("vlmcli package: "), std::string::npos) << package.err;
        QMap<QString, QByteArray> now;
        for (const QString &name : QDir(ownerDir).entryList(QDir::Files))
            now[name] = FileBytes(owned(name));
        EXPECT_EQ(now.keys(), earlier.keys());
        for (auto it = earlier.cbegin(); it != earlier.cend(); ++it)
            EXPECT_TRUE(now.value(it.key()) == it.value()) << it.key().toStdString();
    }

    QMap<QString, QByteArray> earlier;
};

TEST_F(PackageCliOnAFullDisk, InjectedWriteFailure)
{
    writeEarlierRun();
    TScopedWriteFailure full(100);
    expectFailureKeepingTheEarlierRun();
}

TEST_F(PackageCliOnAFullDisk, SmallTmpfs)
{
    TSmallDisk disk(4 * 1024 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    ownerDir = disk.path() + QStringLiteral("/ON4XX");
    ASSERT_TRUE(QDir().mkpath(ownerDir));
    sql(QStringLiteral("UPDATE tblOwner SET OwnerUserDir = '%1'").arg(ownerDir));
    writeEarlierRun();
    ASSERT_TRUE(disk.fill());
    expectFailureKeepingTheEarlierRun();
}

} // namespace
