#include "store/jetconnection.h"
#include "store/jetconnectionstring.h"
#include "storetestsupport.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

// Jet statements as the program writes them, run on a copy of the shipped
// database through the adapter, and the rows they give.
namespace
{

// A two-site owner with a custom antenna, two placements and three points.
const char *const fixture[] = {
    "INSERT INTO tblOwner( IdZipCity1, IdLanguage, OwnerSpecCase, OwnerFname, OwnerName, OwnerCall)"
    " VALUES ( 1, 2, 0, 'Jan', 'O''Brien', 'ON4AB')",
    "INSERT INTO tblTower( IdOwner, TowerCoordLamX, TowerCoordLamY, TowerCoordWgsEd, "
    "TowerCoordWgsEm,"
    " TowerCoordWgsEs, TowerCoordWgsNd, TowerCoordWgsNm, TowerCoordWgsNs, TowerName, TowerRem, "
    "TowerMain)"
    " VALUES ( 1, 150000, 170000, 4, 21, 5, 50, 50, 7, 'Location_01', 'roof', 1)",
    "INSERT INTO tblTower( IdOwner, TowerName, TowerMain) VALUES ( 1, 'Location_02', 0)",
    "INSERT INTO tblListAnt( IdAntFamily, IdListAntPol, IdBandFreq, AntV00, AntV10, AntV20, "
    "AntV30, AntV40,"
    " AntV50, AntV60, AntV70, AntV80, AntV90, AntV100, AntType, AntMakeDescr, AntExtra, AntDir)"
    " VALUES ( 49, 1, 16, '2,15', '1,9', '1,2', '0,1', '-1,5', '-3,8', '-7', '-12,5', '-20', "
    "'-30', '-30',"
    " 'Dipole', 'Home made', '0', 'CUSTOM')",
    "INSERT INTO tblStation( IdTower, IdListAnt, IdBandFreqSt, AntennasHeight, AntennasTilt, "
    "AntennasPol,"
    " AntennasRem, AntennasRef) VALUES ( 1, (SELECT MAX(IdListAnt) FROM tblListAnt), 7, '12,5', "
    "'0', 'H', '', 'Loc01-Ant01')",
    "INSERT INTO tblStation( IdTower, IdListAnt, IdBandFreqSt, AntennasHeight, AntennasTilt, "
    "AntennasPol,"
    " AntennasRem, AntennasRef) VALUES ( 2, (SELECT MAX(IdListAnt) FROM tblListAnt), 7, '8', "
    "'1.234,5', 'H', '', 'Loc02-Ant01')",
    "INSERT INTO tblCriticalPnt( IdTower, IdSpaceAtt, CriticalPntDist, CriticalPntHeight, "
    "CriticalPntRef,"
    " CriticalPntRem) VALUES ( 1, 1, 10, 2, 'CTP_01', 'garden')",
    "INSERT INTO tblCriticalPnt( IdTower, IdSpaceAtt, CriticalPntDist, CriticalPntHeight, "
    "CriticalPntRef,"
    " CriticalPntRem) VALUES ( 1, 1, 15, 2, 'CTP_02', 'street')",
    "INSERT INTO tblCriticalPnt( IdTower, IdSpaceAtt, CriticalPntDist, CriticalPntHeight, "
    "CriticalPntRef,"
    " CriticalPntRem) VALUES ( 2, 1, 12, 2, 'CTP_01', 'garden')",
};

struct StatementCase {
    const char *name;
    std::vector<const char *> commands; // run first, each must succeed
    const char *query;                  // then this SELECT
    const char *rows;                   // its rows: fields joined by "|", rows by ";"
};

class JetStatements : public testing::TestWithParam<StatementCase>
{
protected:
    void SetUp() override
    {
        storetest::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        const QString file = storetest::CopyDatabase(m_dir.path());
        m_connection.setConnectionString(JetConnectionString(file, QString()));
        ASSERT_TRUE(m_connection.open()) << m_connection.lastErrorText().toStdString();
        for (const char *statement : fixture)
            ASSERT_TRUE(m_connection.exec(QString::fromUtf8(statement)))
                << statement << "\n"
                << m_connection.lastErrorText().toStdString();
    }

    QString rows(const QString &select)
    {
        QSqlQuery query;
        if (!m_connection.select(select, &query))
            return QStringLiteral("error: ") + m_connection.lastErrorText();
        QStringList result;
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < query.record().count(); ++i)
                fields << query.value(i).toString();
            result << fields.join(QLatin1Char('|'));
        }
        return result.join(QLatin1Char(';'));
    }

    QTemporaryDir m_dir;
    TJetConnection m_connection{QStringLiteral("conTest")};
};

TEST_P(JetStatements, GiveTheirRows)
{
    const StatementCase &c = GetParam();
    for (const char *command : c.commands)
        ASSERT_TRUE(m_connection.exec(QString::fromUtf8(command)))
            << command << "\n"
            << m_connection.lastErrorText().toStdString();
    EXPECT_EQ(rows(QString::fromUtf8(c.query)).toStdString(), std::string(c.rows));
}

const StatementCase statementCases[] = {
    {"QuoteInTextStoredIntact",
     {},
     "SELECT OwnerName FROM tblOwner WHERE OwnerName = 'O''Brien'",
     "O'Brien"},
    {"TextComparedWithoutCase",
     {},
     "SELECT OwnerCall FROM tblOwner WHERE OwnerCall = 'on4ab'",
     "ON4AB"},
    {"LikeWithoutCase",
     {},
     "SELECT ApplDataName FROM tblApplData WHERE ApplDataName LIKE 'dbver'",
     "DBVer"},
    {"HighestKeyAfterInsert",
     {"INSERT INTO tblTower( IdOwner, TowerName, TowerMain) VALUES ( 1, 'Location_03', 0)"},
     "SELECT TOP 1 IdTower FROM tblTower ORDER BY IdTower DESC",
     "3"},
    {"KeysNeverReused",
     {"DELETE FROM tblTower WHERE IdTower =2",
      "INSERT INTO tblTower( IdOwner, TowerName) VALUES ( 1, 'x')"},
     "SELECT TOP 1 IdTower FROM tblTower ORDER BY IdTower DESC",
     "3"},
    {"MainSiteWithTrue",
     {},
     "SELECT IdTower, TowerName FROM tblTower WHERE IdOwner =1 AND TowerMain =True",
     "1|Location_01"},
    {"ClearMainFlag",
     {"UPDATE tblTower SET TowerMain =0 WHERE IdOwner =1 AND TowerMain =True"},
     "SELECT IdTower FROM tblTower WHERE TowerMain =False ORDER BY IdTower",
     "1;2"},
    {"DegreeColumnsJoinNullAsEmpty",
     {},
     "SELECT (TowerCoordWgsEd & \"° \" & TowerCoordWgsEm & \"' \" & TowerCoordWgsEs & \"\"\"\") AS "
     "'DegE',"
     " TowerRem & \"!\" AS Rem FROM tblTower WHERE tblTower.IdOwner =1 ORDER BY tblTower.TowerName "
     "ASC",
     "4° 21' 5\"|roof!;0° 0' 0\"|!"},
    {"TypedDoubleFromDecimalComma",
     {},
     "SELECT AntennasRef, AntennasHeight, AntennasTilt FROM tblStation ORDER BY AntennasRef",
     "Loc01-Ant01|12.5|0;Loc02-Ant01|8|1234.5"},
    {"TypedDoubleOnUpdate",
     {"UPDATE tblStation SET AntennasHeight ='7,25', AntennasTilt ='-3' WHERE IdStation =1"},
     "SELECT AntennasHeight, AntennasTilt FROM tblStation WHERE IDStation =1",
     "7.25|-3"},
    {"TypedPatternOfCustomAntenna",
     {},
     "SELECT AntV00, AntV40, AntV100 FROM tblListAnt WHERE IdAntFamily =49",
     "2.15|-1.5|-30"},
    {"KeyNamesInEitherCase",
     {"DELETE FROM tblStation WHERE IDStation =2"},
     "SELECT IdStation FROM tblStation WHERE IDTower =1 OR idtower =2",
     "1"},
    {"DeleteSitePointsThroughJoin",
     {"DELETE tblCriticalPnt.* FROM tblTower INNER JOIN tblCriticalPnt ON tblTower.IdTower = "
      "tblCriticalPnt.IdTower"
      " WHERE tblTower.IdTower =1"},
     "SELECT IdTower, CriticalPntRef FROM tblCriticalPnt ORDER BY IdCriticalPnt",
     "2|CTP_01"},
    {"DeleteSiteInThreeSteps",
     {"DELETE tblCriticalPnt.* FROM tblTower INNER JOIN tblCriticalPnt ON tblTower.IdTower = "
      "tblCriticalPnt.IdTower WHERE tblTower.IdTower =2",
      "DELETE tblStation.* FROM tblTower INNER JOIN tblStation ON tblTower.IdTower = "
      "tblStation.IdTower WHERE tblTower.IdTower =2",
      "DELETE tblTower.* FROM tblTower WHERE tblTower.IdTower =2"},
     "SELECT (SELECT count(*) FROM tblTower) & '/' & (SELECT count(*) FROM tblStation) & '/' & "
     "(SELECT count(*) FROM tblCriticalPnt)",
     "1/1/2"},
    {"DeleteAllPointsOfOwner",
     {"DELETE tblCriticalPnt.* FROM tblTower \nINNER JOIN tblCriticalPnt \n ON tblTower.IdTower \n "
      " = tblCriticalPnt.IdTower \nWHERE tblTower.IdOwner =1"},
     "SELECT count(*) FROM tblCriticalPnt",
     "0"},
    {"PlacementsThroughNestedJoins",
     {},
     "SELECT IdStation, tblTower.IdTower, AntennasRef FROM tblStation INNER JOIN tblTower ON "
     "tblTower.IdTower ="
     " tblStation.IdTower WHERE IdOwner =1 ORDER BY AntennasRef",
     "1|1|Loc01-Ant01;2|2|Loc02-Ant01"},
    {"SavedQueryNamesItsKey",
     {},
     "SELECT TOP 1 IDCableLoss1 FROM qryCableLoss1 WHERE IdCableLoss1 > 0 ORDER BY IDCableLoss1",
     "1"},
    {"NextSiteNameSource",
     {},
     "SELECT TOP 1 TowerName FROM tblTower WHERE IdOwner =1 ORDER BY TowerName DESC",
     "Location_02"},
    {"DoubleQuotedLiteralInWhere",
     {},
     "SELECT IdOwner FROM tblOwner WHERE OwnerFname = \"jan\"",
     "1"},
    // The placement grid: a placement whose band is no band of tblBandFreqSt still shows;
    // every placement transmits with the others unless told otherwise.
    {"PlacementsWithTheirBand",
     {"UPDATE tblStation SET IdBandFreqSt =16 WHERE IdStation =2"},
     "SELECT IdStation, tblStation.IdBandFreqSt, AntennasSimTx, BandFreqDescr FROM (tblStation "
     "INNER JOIN"
     " tblListAnt ON tblListAnt.IdListAnt = tblStation.IdListAnt) LEFT JOIN tblBandFreqSt ON"
     " tblBandFreqSt.IdBandFreqSt = tblStation.IdBandFreqSt ORDER BY IdStation",
     "1|7|1|17 m (18,068 - 18,168 MHz);2|16|1|"},
};

INSTANTIATE_TEST_SUITE_P(OnShippedDatabase, JetStatements, testing::ValuesIn(statementCases),
                         [](const testing::TestParamInfo<StatementCase> &info) {
                             return std::string(info.param.name);
                         });

// A number column must never keep text: a typed value that is not a number
// fails the statement and leaves the row as it was.
TEST_F(JetStatements, TypedDoubleRejectsText)
{
    EXPECT_FALSE(m_connection.exec(
        QStringLiteral("UPDATE tblStation SET AntennasHeight ='abc' WHERE IdStation =1")));
    EXPECT_FALSE(
        m_connection.exec(QStringLiteral("INSERT INTO tblStation( IdTower, AntennasHeight, "
                                         "AntennasRef) VALUES ( 1, '1,2,3', 'Loc01-Ant02')")));
    EXPECT_EQ(rows(QStringLiteral("SELECT AntennasHeight FROM tblStation WHERE IdTower =1")),
              QStringLiteral("12.5"));
}

// Statements of table-update files on the shipped database: Jet's LIKE
// wildcards select the rows they mean, and a table made with a COUNTER key
// numbers its rows.
TEST_F(JetStatements, UpdateFileStatementsDoWhatJetDid)
{
    const struct {
        const char *why;
        std::vector<const char *> commands;
        const char *query;
        const char *rows;
    } cases[] = {
        {"star and question mark, any case",
         {"UPDATE tblLanguage SET LanguageFullE = 'x' WHERE LanguageFullE LIKE 'e*' OR "
          "LanguageFullE LIKE '?UTCH'"},
         "SELECT IdLanguage FROM tblLanguage WHERE LanguageFullE = 'x' ORDER BY IdLanguage",
         "1;2"},
        {"a digit and a class",
         {"DELETE FROM tblZipCity WHERE Zip LIKE '10#0' OR Zip LIKE '[9]99#'"},
         "SELECT DISTINCT Zip FROM tblZipCity WHERE Zip IN ('1000', '1050', '1120', '9990')",
         "1120"},
        {"the program's own statements take the star literally",
         {"INSERT INTO tblLanguage (IdLanguage, LanguageFullE) VALUES (9, 'e*')"},
         "SELECT IdLanguage FROM tblLanguage WHERE LanguageFullE LIKE 'e*'",
         "9"},
        {"COUNTER keys",
         {"CREATE TABLE tblNews (IdNews COUNTER, NewsText TEXT(50), CONSTRAINT pk PRIMARY KEY "
          "(IdNews))",
          "INSERT INTO tblNews (NewsText) VALUES ('a')",
          "INSERT INTO tblNews (NewsText) VALUES ('b')"},
         "SELECT IdNews, NewsText FROM tblNews ORDER BY IdNews",
         "1|a;2|b"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        const bool program = std::string(c.why).find("program") != std::string::npos;
        for (const char *command : c.commands)
            ASSERT_TRUE(
                m_connection.exec(QString::fromUtf8(command),
                                  program ? TJetWildcards::Program : TJetWildcards::UpdateFile))
                << command << "\n"
                << m_connection.lastErrorText().toStdString();
        EXPECT_EQ(rows(QString::fromUtf8(c.query)).toStdString(), std::string(c.rows));
    }
}

} // namespace
