#include "exportfixture.h"
#include "reports/exportdatabase.h"

namespace
{

// Every row of every table the export writes, for comparing two runs.
const char *const ExportTables[] = {"FileTable",
                                    "File1Table",
                                    "File2Table",
                                    "File3Table",
                                    "File4Table",
                                    "DefaultAntennaTable",
                                    "File4BTable",
                                    "DefaultAntennaHorizontalDiagramEntryTable",
                                    "DefaultAntennaVerticalDiagramEntryTable"};

class ExportDatabase : public ExportDbTest
{
protected:
    // The owner with three antennas: two on the main site, one on a second site.
    void addStation(int language)
    {
        const qint32 owner = addOwner(language);
        const qint32 main = addSite(owner, true, 152345, 212346);
        const qint32 second = addSite(owner, false, 150000, 210000);
        const qint32 dipole =
            addAntenna(FamilyDipoles, QStringLiteral("Dipole"), QStringLiteral("Home-made"), 2.15);
        const qint32 yagi = addAntenna(FamilyYagis, QStringLiteral("9 el."),
                                       QStringLiteral("Tonna ''F9FT''"), 13.1);
        addPlacement(main, dipole, Band2m, QStringLiteral("Dipole 2m"), 12.5, 13.5, 20.5, 22.65);
        addPlacement(second, yagi, Band23cm, QStringLiteral("Yagi 23cm"), 8, 0, 10, 23.1);
        addPlacement(main, yagi, Band2m, QStringLiteral("Yagi 2m"), 15.4, -2.5, -3.25, 9.85);
    }

    TOpStatus run()
    {
        TExportProgress progress;
        progress.start = [this](int maximum) {
            maximumSeen = maximum;
            ++starts;
        };
        progress.advance = [this] { ++advances; };
        progress.finish = [this] { ++finishes; };
        return BuildExportDatabase(*dm, progress);
    }

    QStringList dumpAll()
    {
        QStringList all;
        for (const char *table : ExportTables)
            all << exported(
                QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QLatin1String(table)));
        return all;
    }

    int maximumSeen = -1;
    int starts = 0;
    int advances = 0;
    int finishes = 0;
};

TEST_F(ExportDatabase, ApplicationRowsOfTheOwner)
{
    addStation(2);
    ASSERT_TRUE(run().ok());

    EXPECT_EQ(exportedValue(QStringLiteral("SELECT FileLanguage FROM FileTable WHERE FilePK = 61")),
              QStringLiteral("N"));
    EXPECT_EQ(exported(QStringLiteral(
                  "SELECT AA01NameApplicant, AA02AddressApplicant, AA03ZipCodeApplicant, "
                  "AA03CityApplicant, AA04NameContactApplicant, AA05TelContactApplicant, "
                  "AA06EmailContactApplicant, AA07RefApplicant, AA08RefBIPTApplicant, FileFK "
                  "FROM File1Table WHERE File1PK = 61")),
              QStringList{QStringLiteral("Jan Peeters|Bus 3 Kerkstraat 12|2000|Antwerpen|"
                                         "Jan Peeters|03 123 45 67    0475 12 34 56|"
                                         "on4xx@example.be|ON4XX (ON2AB, ON3CD)|B-2024-17|61")});
    EXPECT_EQ(exportedValue(QStringLiteral("SELECT AA09InfoApplicant FROM File1Table")),
              QStringLiteral("Contact me in the evening.\r\nNot on Sundays.\r\n"));
    EXPECT_EQ(exported(QStringLiteral("SELECT AO01OtherExploitant, BS01SiteShareable, "
                                      "BI01SiteDescription FROM File2Table WHERE File2PK = 61")),
              QStringList{QStringLiteral("ON4ZZ|1|Mast in the garden\r\n")});
    EXPECT_EQ(
        exported(QStringLiteral("SELECT LS02AddressSite, LS03ZipCodeSite, LS03CitySite, "
                                "AS04SiteExists, LS07XLambertCoordinates, "
                                "LS07YLambertCoordinates FROM File3Table WHERE File3PK = 61")),
        QStringList{QStringLiteral("Veldweg 9|1000|Brussel|0|152345|212346")});
    EXPECT_EQ(exportedValue(QStringLiteral("SELECT ST01Other10MHHz10GHz FROM File4Table")),
              QStringLiteral("RADIOAMATEUR"));
}

TEST_F(ExportDatabase, ClubStationWritesTheClubCallAndClosingLine)
{
    addStation(2);
    sql(QStringLiteral("UPDATE tblOwner SET OwnerSiteClubStn = 1"));
    ASSERT_TRUE(run().ok());
    EXPECT_EQ(exportedValue(QStringLiteral("SELECT AA07RefApplicant FROM File1Table")),
              QStringLiteral("ON4CLB"));
    EXPECT_EQ(exportedValue(QStringLiteral("SELECT BI01SiteDescription FROM File2Table")),
              QStringLiteral("Mast in the garden\r\nThis is a clubstation.\r\n"));
}

TEST_F(ExportDatabase, LanguageChoosesTheLetterAndTheNames)
{
    const struct {
        int language;
        const char *letter;
        const char *city;
        const char *siteCity;
        const char *family;
    } cases[] = {
        {2, "N", "Antwerpen", "Brussel", "Dipolen"}, // Dutch
        {1, "N", "Antwerpen", "Brussel", "Dipolen"}, // English uses the Dutch names
        {4, "F", "Anvers", "Bruxelles", "Dipôles"},  // German uses the French names
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        sql(QStringLiteral("DELETE FROM tblStation"));
        sql(QStringLiteral("DELETE FROM tblTower"));
        sql(QStringLiteral("DELETE FROM tblOwner"));
        addStation(c.language);
        ASSERT_TRUE(run().ok());
        EXPECT_EQ(exportedValue(QStringLiteral("SELECT FileLanguage FROM FileTable")),
                  QLatin1String(c.letter));
        EXPECT_EQ(exportedValue(QStringLiteral("SELECT AA03CityApplicant FROM File1Table")),
                  QLatin1String(c.city));
        EXPECT_EQ(exportedValue(QStringLiteral("SELECT LS03CitySite FROM File3Table")),
                  QLatin1String(c.siteCity));
        EXPECT_EQ(
            exportedValue(QStringLiteral(
                "SELECT DefaultAntennaType FROM DefaultAntennaTable WHERE DefaultAntennaPK = 1")),
            QStringLiteral("Group: %1 / Type: Dipole / Make-Description: Home-made")
                .arg(QString::fromUtf8(c.family)));
    }
}

TEST_F(ExportDatabase, AntennaTablesOfThreePlacementsAtTwoSites)
{
    addStation(2);
    ASSERT_TRUE(run().ok());

    EXPECT_EQ(exported(QStringLiteral(
                  "SELECT DefaultAntennaPK, DefaultAntennaTilt, DefaultAntennaHorizontalBeamWidth, "
                  "DefaultAntennaGaindB, DefaultAntennaHeight, DefaultAntennaFrequencyMHz, "
                  "DefaultAntennaPowerdBm FROM DefaultAntennaTable ORDER BY 1")),
              (QStringList{QStringLiteral("1|14|360|2.15|12|145|50.5"),
                           QStringLiteral("2|0|360|13.1|8|1270|40"),
                           QStringLiteral("3|-2|360|13.1|15|145|26.75")}));
    EXPECT_EQ(exported(QStringLiteral("SELECT * FROM File4BTable ORDER BY 1")).first(),
              QStringLiteral("1|61|1|1|Dipole 2m|Dipole|12|0|14|0|0|50.5|145|360|0|145|145|2.15|I|"
                             "22.65|0|H|1|0"));
    EXPECT_EQ(exported(QStringLiteral("SELECT AntennaName, AntennaType FROM File4BTable "
                                      "WHERE AntennaPK = 2")),
              QStringList{QStringLiteral("Yagi 23cm|9 el.")});
    EXPECT_EQ(
        exportedValue(QStringLiteral("SELECT DefaultAntennaType FROM DefaultAntennaTable "
                                     "WHERE DefaultAntennaPK = 2")),
        QStringLiteral("Group: Yagi-antennes / Type: 9 el. / Make-Description: Tonna 'F9FT'"));
    EXPECT_EQ(
        exported(QStringLiteral("SELECT * FROM DefaultAntennaHorizontalDiagramEntryTable "
                                "ORDER BY 1")),
        (QStringList{QStringLiteral("1|1|-180.5|180.5|0"), QStringLiteral("2|2|-180.5|180.5|0"),
                     QStringLiteral("3|3|-180.5|180.5|0")}));

    // The numbers as written into the statements: "." decimals, fixed notation.
    const QString statements = dm->ExecutedStatements().join(QLatin1Char('\n'));
    EXPECT_TRUE(
        statements.contains(QStringLiteral("'Dipole 2m', 'Dipole', 12, 0, 14, 0, 0, 50.50, "
                                           "145.0, 360, 0, 145.0, 145.0, 2.15, 'I', 22.65")))
        << statements.left(3000).toStdString();
    EXPECT_TRUE(statements.contains(QStringLiteral("BS01SiteShareable =True")));
    EXPECT_TRUE(statements.contains(QStringLiteral("AS04SiteExists =False")));
}

TEST_F(ExportDatabase, VerticalDiagramNumberedAcrossAntennas)
{
    addStation(2);
    ASSERT_TRUE(run().ok());

    EXPECT_EQ(
        exportedValue(QStringLiteral("SELECT COUNT(*), MIN(DefaultAntennaVerticalDiagramEntryPK), "
                                     "MAX(DefaultAntennaVerticalDiagramEntryPK) FROM "
                                     "DefaultAntennaVerticalDiagramEntryTable")),
        QStringLiteral("606|1|606"));
    EXPECT_EQ(exported(QStringLiteral("SELECT DefaultAntennaFK, COUNT(*), "
                                      "MIN(DefaultAntennaVerticalDiagramEntryPK) FROM "
                                      "DefaultAntennaVerticalDiagramEntryTable GROUP BY 1")),
              (QStringList{QStringLiteral("1|202|1"), QStringLiteral("2|202|203"),
                           QStringLiteral("3|202|405")}));

    const QString pairs = QStringLiteral(
        "SELECT DefaultAntennaVerticalDiagramEntryPK, FromAngle, ToAngle, GaindB FROM "
        "DefaultAntennaVerticalDiagramEntryTable WHERE DefaultAntennaFK = 2 AND "
        "DefaultAntennaVerticalDiagramEntryPK IN (%1, %2) ORDER BY 1");
    EXPECT_EQ(exported(pairs.arg(203).arg(204)),
              (QStringList{QStringLiteral("203|0|1|0"), QStringLiteral("204|-1|0|0")}));
    const QStringList step90 = exported(pairs.arg(203 + 180).arg(204 + 180));
    ASSERT_EQ(step90.size(), 2);
    EXPECT_TRUE(step90[0].startsWith(QStringLiteral("383|90|91|")));
    EXPECT_TRUE(step90[1].startsWith(QStringLiteral("384|-91|-90|")));
    const QStringList last = exported(pairs.arg(403).arg(404));
    ASSERT_EQ(last.size(), 2);
    EXPECT_TRUE(last[0].startsWith(QStringLiteral("403|100|101|")));
    EXPECT_TRUE(last[1].startsWith(QStringLiteral("404|-101|-100|")));
    // Both rows of a step carry its gain; the steps past 90 repeat the 90 degree gain.
    EXPECT_EQ(step90[0].section(QLatin1Char('|'), 3), last[1].section(QLatin1Char('|'), 3));
    EXPECT_LT(last[0].section(QLatin1Char('|'), 3).toDouble(), 0.0);
}

TEST_F(ExportDatabase, ProgressRangeAndSteps)
{
    addStation(2);
    ASSERT_TRUE(run().ok());
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(maximumSeen, 231 * 3 + 10);
    EXPECT_EQ(advances, 4 + 3 * (1 + 101));
    EXPECT_EQ(finishes, 1);
}

TEST_F(ExportDatabase, RunningTwiceGivesTheSameContent)
{
    addStation(2);
    ASSERT_TRUE(run().ok());
    const QStringList first = dumpAll();
    ASSERT_TRUE(run().ok());
    EXPECT_EQ(dumpAll(), first);
}

TEST_F(ExportDatabase, OwnerWithoutMainSiteGivesEmptyTextsAndZeroCoordinates)
{
    addStation(2);
    sql(QStringLiteral("UPDATE tblTower SET TowerMain = 0"));
    ASSERT_TRUE(run().ok());
    EXPECT_EQ(exportedValue(QStringLiteral("SELECT AA01NameApplicant, AA03CityApplicant, "
                                           "AA07RefApplicant, AA09InfoApplicant FROM File1Table")),
              QStringLiteral("|||"));
    EXPECT_EQ(exportedValue(QStringLiteral("SELECT BS01SiteShareable, BI01SiteDescription FROM "
                                           "File2Table")),
              QStringLiteral("0|"));
    EXPECT_EQ(exportedValue(QStringLiteral("SELECT LS02AddressSite, LS07XLambertCoordinates, "
                                           "LS07YLambertCoordinates FROM File3Table")),
              QStringLiteral("|0|0"));
    // The placements are still the owner's antennas.
    EXPECT_EQ(exportedValue(QStringLiteral("SELECT COUNT(*) FROM File4BTable")),
              QStringLiteral("3"));
    EXPECT_EQ(maximumSeen, 231 * 3 + 10);
}

TEST_F(ExportDatabase, FailingStatementStopsAndKeepsWhatWasWritten)
{
    addStation(2);
    QSqlQuery drop(dm->conExport->database());
    ASSERT_TRUE(drop.exec(QStringLiteral("DROP TABLE File4BTable")));

    const TOpStatus status = run();
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.error.contains(QStringLiteral("File4BTable"))) << status.error.toStdString();
    EXPECT_EQ(exportedValue(QStringLiteral("SELECT AA01NameApplicant FROM File1Table")),
              QStringLiteral("Jan Peeters"));
    EXPECT_EQ(exportedValue(
                  QStringLiteral("SELECT COUNT(*) FROM DefaultAntennaVerticalDiagramEntryTable")),
              QStringLiteral("0"));
    EXPECT_EQ(finishes, 1) << "the progress bar is hidden after a failure too";
}

TEST_F(ExportDatabase, MissingNumbersAreWrittenAsZero)
{
    // A custom antenna whose pattern fields were left empty, on a placement without
    // power figures: every number still makes a valid statement.
    const qint32 owner = addOwner(2);
    const qint32 site = addSite(owner, true, 1, 2);
    const qint32 antenna =
        sql(QStringLiteral("INSERT INTO tblListAnt (IdAntFamily, IdListAntPol, "
                           "AntType, AntMakeDescr) VALUES (49, 2, 'Own', 'Wire')"));
    sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, AntennasRef, "
                       "AntennasHeight, AntennasTilt, AntennasAntPwr, AntennasEirp) VALUES "
                       "(%1, %2, %3, 'Bare', NULL, NULL, NULL, NULL)")
            .arg(site)
            .arg(antenna)
            .arg(Band2m));
    const TOpStatus status = run();
    ASSERT_TRUE(status.ok()) << status.error.toStdString();
    EXPECT_EQ(exportedValue(QStringLiteral("SELECT DefaultAntennaGaindB, DefaultAntennaHeight, "
                                           "DefaultAntennaTilt, DefaultAntennaPowerdBm FROM "
                                           "DefaultAntennaTable")),
              QStringLiteral("0|0|0|30"));
    EXPECT_EQ(exportedValue(QStringLiteral("SELECT COUNT(*), MIN(GaindB), MAX(GaindB) FROM "
                                           "DefaultAntennaVerticalDiagramEntryTable")),
              QStringLiteral("202|0|0"));
}

} // namespace
