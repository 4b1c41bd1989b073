// The shipped export template Empty_Vlm.mdb: an Access 2000 file with the
// regulator's column types, the application row 61 of the five file tables, and
// every column the export writes, in the statement shapes the export uses (run
// on the staging database the export reads it into).
#include "jet4/jet4reader.h"
#include "referencedb.h"

#include <gtest/gtest.h>
#include <map>

namespace
{

class ExportTemplate : public ::testing::Test
{
protected:
    ReferenceDb db{QStringLiteral(VLM_TEST_EXPORT_DB)};
};

TEST(ExportTemplateFile, IsAnAccessFileWithTheRegulatorsColumnTypes)
{
    jet4::Database access;
    const jet4::Status read = jet4::ReadDatabase(std::string(VLM_TEST_EXPORT_DB), access);
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(access.tables.size(), 9u);
    std::map<std::string, jet4::Column> columns;
    for (const jet4::Table &table : access.tables) {
        ASSERT_TRUE(table.primaryKey.has_value()) << table.name;
        EXPECT_EQ(table.columns[*table.primaryKey].name.substr(
                      table.columns[*table.primaryKey].name.size() - 2),
                  "PK")
            << table.name;
        for (const jet4::Column &column : table.columns)
            columns[table.name + "." + column.name] = column;
    }
    const struct {
        const char *column;
        jet4::ColumnType type;
        int size;
    } expected[] = {
        {"File1Table.File1PK", jet4::ColumnType::Long, 0},
        {"File1Table.AA01NameApplicant", jet4::ColumnType::Text, 255},
        {"File1Table.AA09InfoApplicant", jet4::ColumnType::Memo, 0},
        {"File2Table.BS01SiteShareable", jet4::ColumnType::Boolean, 0},
        {"File2Table.BI01SiteDescription", jet4::ColumnType::Memo, 0},
        {"File3Table.AS04SiteExists", jet4::ColumnType::Boolean, 0},
        {"File3Table.LS07XLambertCoordinates", jet4::ColumnType::Long, 0},
        {"DefaultAntennaTable.DefaultAntennaGaindB", jet4::ColumnType::Double, 0},
        {"File4BTable.AntennaNr", jet4::ColumnType::Long, 0},
        {"File4BTable.AntennaGainRef", jet4::ColumnType::Text, 255},
        {"DefaultAntennaVerticalDiagramEntryTable.GaindB", jet4::ColumnType::Double, 0},
    };
    for (const auto &e : expected) {
        ASSERT_TRUE(columns.count(e.column)) << e.column;
        EXPECT_EQ(columns[e.column].type, e.type) << e.column;
        EXPECT_EQ(columns[e.column].size, e.size) << e.column;
    }
}

TEST_F(ExportTemplate, FileTablesHoldOnlyTheApplicationRow61)
{
    ASSERT_TRUE(db.isOpen());
    const char *tables[][2] = {{"FileTable", "FilePK"},
                               {"File1Table", "File1PK"},
                               {"File2Table", "File2PK"},
                               {"File3Table", "File3PK"},
                               {"File4Table", "File4PK"}};
    for (const auto &table : tables) {
        const auto rows = db.rows(QStringLiteral("SELECT %1 FROM %2")
                                      .arg(QLatin1String(table[1]), QLatin1String(table[0])));
        ASSERT_EQ(rows.size(), 1) << table[0];
        EXPECT_EQ(rows[0][0].toInt(), 61) << table[0];
    }
}

TEST_F(ExportTemplate, AntennaTablesStartEmpty)
{
    for (const char *table :
         {"DefaultAntennaTable", "File4BTable", "DefaultAntennaHorizontalDiagramEntryTable",
          "DefaultAntennaVerticalDiagramEntryTable"})
        EXPECT_EQ(
            db.value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).toInt(),
            0)
            << table;
}

// Each update changes exactly the application row; each insert is accepted with
// the export's column lists and value forms (quoted text, "." decimals, True/False).
TEST_F(ExportTemplate, AcceptsEveryStatementOfTheExport)
{
    const char *updates[] = {
        "UPDATE FileTable SET FileLanguage ='F' WHERE FilePK =61",
        "UPDATE File1Table SET AA01NameApplicant ='Jan Peeters', AA02AddressApplicant ='Bus 2 "
        "Kerkstraat 1', "
        "AA03ZipCodeApplicant ='9000', AA03CityApplicant ='Gent', AA04NameContactApplicant ='Jan "
        "Peeters', "
        "AA05TelContactApplicant ='09 123 45 67    0477 12 34 56', AA06EmailContactApplicant "
        "='on4xyz@example.org', "
        "AA07RefApplicant ='ON4XYZ (ON4ABC)', AA08RefBIPTApplicant ='', AA09InfoApplicant ='Line "
        "one' WHERE File1PK =61",
        "UPDATE File2Table SET AO01OtherExploitant ='', BS01SiteShareable =True, "
        "BI01SiteDescription ='Garden' "
        "WHERE File2PK =61",
        "UPDATE File3Table SET LS02AddressSite ='Kerkstraat 1', LS03ZipCodeSite ='9000', "
        "LS03CitySite ='Gent', "
        "AS04SiteExists =False, LS07XLambertCoordinates =104000, LS07YLambertCoordinates =194000 "
        "WHERE File3PK =61",
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
        "DefaultAntennaHorizontalBeamWidth, DefaultAntennaGaindB, DefaultAntennaHeight, "
        "DefaultAntennaFrequencyMHz, "
        "DefaultAntennaPowerdBm) VALUES (1, 'Group: Yagi-antennes / Type: 9-element Yagi / "
        "Make-Description: 2 m', 0, "
        "360, 13.0, 12, 145.0, 50.50)",
        "INSERT INTO File4BTable(AntennaPK, FileFK, AntennaNr, DefaultAntennaFK, AntennaName, "
        "AntennaType, "
        "AntennaPositionHeight, AntennaAzimut, AntennaTilt, AntennaElectricalTilt, "
        "AntennaMechanicalTilt, "
        "AntennaEntryPowerdBm, AntennaFrequency, AntennaHorizontalOpening, AntennaVerticalOpening, "
        "AntennaFromFrequency, AntennaToFrequency, AntennaGaindB, AntennaGainRef, AntennaEIRPdBW, "
        "AntennaERPdBW, "
        "AntennaPolarization, AntennaNumberOfTransmitters, AntennaDefaultTxPowerdBm) VALUES (1, "
        "61, 1, 1, "
        "'Loc01-Ant01', '9-element Yagi', 12, 0, 0, 0, 0, 50.50, 145.0, 360, 0, 145.0, 145.0, "
        "13.0, 'I', 33.50, 0, "
        "'H', 1, 0)",
        "INSERT INTO "
        "DefaultAntennaHorizontalDiagramEntryTable(DefaultAntennaHorizontalDiagramEntryPK, "
        "DefaultAntennaFK, FromAngle, ToAngle, GaindB) VALUES (1, 1, -180.5, 180.5, 0)",
        "DELETE FROM DefaultAntennaVerticalDiagramEntryTable",
        "INSERT INTO DefaultAntennaVerticalDiagramEntryTable(DefaultAntennaVerticalDiagramEntryPK, "
        "DefaultAntennaFK, "
        "FromAngle, ToAngle, GaindB) VALUES (1, 1, 0, 1, 0.00)",
        "INSERT INTO DefaultAntennaVerticalDiagramEntryTable(DefaultAntennaVerticalDiagramEntryPK, "
        "DefaultAntennaFK, "
        "FromAngle, ToAngle, GaindB) VALUES (2, 1, -1, 0, 0.00)",
    };
    for (const char *sql : inserts)
        EXPECT_EQ(db.exec(QString::fromUtf8(sql)), QString()) << sql;

    EXPECT_EQ(db.value(QStringLiteral("SELECT BS01SiteShareable FROM File2Table WHERE File2PK =61"))
                  .toInt(),
              1);
    EXPECT_EQ(
        db.value(QStringLiteral("SELECT AS04SiteExists FROM File3Table WHERE File3PK =61")).toInt(),
        0);
    EXPECT_DOUBLE_EQ(
        db.value(QStringLiteral("SELECT AntennaEntryPowerdBm FROM File4BTable")).toDouble(), 50.5);
    EXPECT_EQ(
        db.value(QStringLiteral("SELECT COUNT(*) FROM DefaultAntennaVerticalDiagramEntryTable"))
            .toInt(),
        2);
}

} // namespace
