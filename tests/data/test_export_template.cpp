// The shipped export template Empty_Vlm.mdb: the application row 61 of the five
// file tables, and every column the export writes, in the statement shapes the
// export uses.
#include "referencedb.h"

#include <gtest/gtest.h>

namespace {

class ExportTemplate : public ::testing::Test
{
protected:
    ReferenceDb db{QStringLiteral(VLM_TEST_EXPORT_DB)};
};

TEST_F(ExportTemplate, FileTablesHoldOnlyTheApplicationRow61)
{
    ASSERT_TRUE(db.isOpen());
    const char *tables[][2] = {{"FileTable", "FilePK"},
                               {"File1Table", "File1PK"},
                               {"File2Table", "File2PK"},
                               {"File3Table", "File3PK"},
                               {"File4Table", "File4PK"}};
    for (const auto &table : tables) {
        const auto rows = db.rows(QStringLiteral("SELECT %1 FROM %2").arg(QLatin1String(table[1]), QLatin1String(table[0])));
        ASSERT_EQ(rows.size(), 1) << table[0];
        EXPECT_EQ(rows[0][0].toInt(), 61) << table[0];
    }
}

TEST_F(ExportTemplate, AntennaTablesStartEmpty)
{
    for (const char *table : {"DefaultAntennaTable", "File4BTable", "DefaultAntennaHorizontalDiagramEntryTable",
                              "DefaultAntennaVerticalDiagramEntryTable"})
        EXPECT_EQ(db.value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).toInt(), 0) << table;
}

// Each update changes exactly the application row; each insert is accepted with
// the export's column lists and value forms (quoted text, "." decimals, True/False).
TEST_F(ExportTemplate, AcceptsEveryStatementOfTheExport)
{
    const char *updates[] = {
        "UPDATE FileTable SET FileLanguage ='F' WHERE FilePK =61",
        "UPDATE File1Table SET AA01NameApplicant ='Jan Peeters', AA02AddressApplicant ='Bus 2 Kerkstraat 1', "
        "AA03ZipCodeApplicant ='9000', AA03CityApplicant ='Gent', AA04NameContactApplicant ='Jan Peeters', "
        "AA05TelContactApplicant ='09 123 45 67    0477 12 34 56', AA06EmailContactApplicant ='on4xyz@example.org', "
        "AA07RefApplicant ='ON4XYZ (ON4ABC)', AA08RefBIPTApplicant ='', AA09InfoApplicant ='Line one' WHERE File1PK =61",
        "UPDATE File2Table SET AO01OtherExploitant ='', BS01SiteShareable =True, BI01SiteDescription ='Garden' "
        "WHERE File2PK =61",
        "UPDATE File3Table SET LS02AddressSite ='Kerkstraat 1', LS03ZipCodeSite ='9000', LS03CitySite ='Gent', "
        "AS04SiteExists =False, LS07XLambertCoordinates =104000, LS07YLambertCoordinates =194000 WHERE File3PK =61",
        "UPDATE File4Table SET ST01Other10MHHz10GHz ='RADIOAMATEUR' WHERE File4PK =61",
    };
    for (const char *sql : updates) {
        int changed = -1;
        EXPECT_EQ(db.exec(QString::fromUtf8(sql), &changed), QString()) << sql;
        EXPECT_EQ(changed, 1) << sql;
    }
    const char *inserts[] = {
        "DELETE FROM DefaultAntennaTable",
        "DELETE FROM File4BTable",
        "DELETE FROM DefaultAntennaHorizontalDiagramEntryTable",
        "INSERT INTO DefaultAntennaTable(DefaultAntennaPK, DefaultAntennaType, DefaultAntennaTilt, "
        "DefaultAntennaHorizontalBeamWidth, DefaultAntennaGaindB, DefaultAntennaHeight, DefaultAntennaFrequencyMHz, "
        "DefaultAntennaPowerdBm) VALUES (1, 'Group: Yagi-antennes / Type: 9-element Yagi / Make-Description: 2 m', 0, "
        "360, 13.0, 12, 145.0, 50.50)",
        "INSERT INTO File4BTable(AntennaPK, FileFK, AntennaNr, DefaultAntennaFK, AntennaName, AntennaType, "
        "AntennaPositionHeight, AntennaAzimut, AntennaTilt, AntennaElectricalTilt, AntennaMechanicalTilt, "
        "AntennaEntryPowerdBm, AntennaFrequency, AntennaHorizontalOpening, AntennaVerticalOpening, "
        "AntennaFromFrequency, AntennaToFrequency, AntennaGaindB, AntennaGainRef, AntennaEIRPdBW, AntennaERPdBW, "
        "AntennaPolarization, AntennaNumberOfTransmitters, AntennaDefaultTxPowerdBm) VALUES (1, 61, 1, 1, "
        "'Loc01-Ant01', '9-element Yagi', 12, 0, 0, 0, 0, 50.50, 145.0, 360, 0, 145.0, 145.0, 13.0, 'I', 33.50, 0, "
        "'H', 1, 0)",
        "INSERT INTO DefaultAntennaHorizontalDiagramEntryTable(DefaultAntennaHorizontalDiagramEntryPK, "
        "DefaultAntennaFK, FromAngle, ToAngle, GaindB) VALUES (1, 1, -180.5, 180.5, 0)",
        "DELETE FROM DefaultAntennaVerticalDiagramEntryTable",
        "INSERT INTO DefaultAntennaVerticalDiagramEntryTable(DefaultAntennaVerticalDiagramEntryPK, DefaultAntennaFK, "
        "FromAngle, ToAngle, GaindB) VALUES (1, 1, 0, 1, 0.00)",
        "INSERT INTO DefaultAntennaVerticalDiagramEntryTable(DefaultAntennaVerticalDiagramEntryPK, DefaultAntennaFK, "
        "FromAngle, ToAngle, GaindB) VALUES (2, 1, -1, 0, 0.00)",
    };
    for (const char *sql : inserts)
        EXPECT_EQ(db.exec(QString::fromUtf8(sql)), QString()) << sql;

    EXPECT_EQ(db.value(QStringLiteral("SELECT BS01SiteShareable FROM File2Table WHERE File2PK =61")).toInt(), 1);
    EXPECT_EQ(db.value(QStringLiteral("SELECT AS04SiteExists FROM File3Table WHERE File3PK =61")).toInt(), 0);
    EXPECT_DOUBLE_EQ(db.value(QStringLiteral("SELECT AntennaEntryPowerdBm FROM File4BTable")).toDouble(), 50.5);
    EXPECT_EQ(db.value(QStringLiteral("SELECT COUNT(*) FROM DefaultAntennaVerticalDiagramEntryTable")).toInt(), 2);
}

} // namespace
