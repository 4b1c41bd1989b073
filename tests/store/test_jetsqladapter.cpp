#include "store/jetsqladapter.h"
#include "store/jettokenizer.h"

#include <gtest/gtest.h>

// Jet statements and the SQLite text the adapter must produce. The statements
// are the forms the program writes; the reason for each row is its name.
struct TranslationCase {
    const char *name;
    const char *jet;
    const char *sqlite;
};

class JetTranslation : public testing::TestWithParam<TranslationCase>
{
};

TEST_P(JetTranslation, ProducesSqlite)
{
    const TranslationCase &c = GetParam();
    EXPECT_EQ(JetToSqlite(QString::fromUtf8(c.jet)).toStdString(), std::string(c.sqlite));
}

const TranslationCase translationCases[] = {
    {"PlainSelectUnchanged", "SELECT IdOwner, OwnerCall FROM tblOwner ORDER BY IdOwner",
     "SELECT IdOwner, OwnerCall FROM tblOwner ORDER BY IdOwner"},
    {"TopBecomesLimit", "SELECT TOP 1 IdOwner FROM tblOwner ORDER BY IdOwner DESC",
     "SELECT IdOwner FROM tblOwner ORDER BY IdOwner DESC LIMIT 1"},
    {"TopOverLinesKeepsLineBreaks",
     "SELECT TOP 1 TowerName\nFROM tblTower\nWHERE IdOwner =3\nORDER BY TowerName DESC",
     "SELECT TowerName\nFROM tblTower\nWHERE IdOwner =3\nORDER BY TowerName DESC LIMIT 1"},
    {"TopInSubqueryClosesInside",
     "SELECT * FROM tblTower WHERE IdTower IN (SELECT TOP 2 IdTower FROM tblTower ORDER BY "
     "IdTower) ORDER BY TowerName",
     "SELECT * FROM tblTower WHERE IdTower IN (SELECT IdTower FROM tblTower ORDER BY IdTower LIMIT "
     "2) ORDER BY TowerName"},
    {"DistinctTop", "SELECT DISTINCT TOP 5 Zip FROM qryZipCity1",
     "SELECT DISTINCT Zip FROM qryZipCity1 LIMIT 5"},
    {"TopPercentLeftForSqliteToReject", "SELECT TOP 10 PERCENT Zip FROM qryZipCity1",
     "SELECT TOP 10 PERCENT Zip FROM qryZipCity1"},
    {"EqualsTrue", "SELECT TowerMain FROM tblTower WHERE IdOwner =1 AND TowerMain =True",
     "SELECT TowerMain FROM tblTower WHERE IdOwner =1 AND TowerMain =1"},
    {"FalseAndQualifiedTrueColumn", "UPDATE t SET a =False, b = x.True",
     "UPDATE t SET a =0, b = x.True"},
    {"DoubleQuotedLiteral", "SELECT IdOwner FROM tblOwner WHERE OwnerCall = \"ON4AB\"",
     "SELECT IdOwner FROM tblOwner WHERE OwnerCall = 'ON4AB'"},
    {"DoubleQuotedLiteralWithQuotes", "SELECT \"it's \"\"x\"\"\"", "SELECT 'it''s \"x\"'"},
    {"SingleQuotedUntouched", "SELECT 'a \"b\" & TOP 1 -- ''c'''",
     "SELECT 'a \"b\" & TOP 1 -- ''c'''"},
    {"ConcatenationCoalescesOperands", "SELECT a & b FROM t",
     "SELECT (COALESCE(a, '')) || (COALESCE(b, '')) FROM t"},
    {"ConcatenationChainWithLiterals",
     "SELECT (TowerCoordWgsEd & \"° \" & TowerCoordWgsEm & \"' \" & TowerCoordWgsEs & \"\"\"\") AS "
     "'DegE' FROM tblTower",
     "SELECT ((COALESCE(TowerCoordWgsEd, '')) || '° ' || (COALESCE(TowerCoordWgsEm, ''))"
     " || ''' ' || (COALESCE(TowerCoordWgsEs, '')) || '\"') AS \"'DegE'\" FROM tblTower"},
    {"ConcatenationAfterArithmetic", "SELECT x - 1 & 'a' FROM t",
     "SELECT (COALESCE(x - 1, '')) || 'a' FROM t"},
    {"ConcatenationOfQualifiedNamesAndCalls", "SELECT t.a & UCase(t.b) FROM t",
     "SELECT (COALESCE(t.a, '')) || (COALESCE(upper(t.b), '')) FROM t"},
    {"ConcatenationWithUnarySign", "SELECT 1 WHERE x = -a & b",
     "SELECT 1 WHERE x = (COALESCE(-a, '')) || (COALESCE(b, ''))"},
    {"QuotedAliasKeepsItsQuotes", "SELECT 1 AS 'DegN'", "SELECT 1 AS \"'DegN'\""},
    {"DeleteWithInnerJoin",
     "DELETE tblCriticalPnt.* FROM tblTower INNER JOIN tblCriticalPnt ON tblTower.IdTower = "
     "tblCriticalPnt.IdTower WHERE tblTower.IdTower =4",
     "DELETE FROM tblCriticalPnt WHERE rowid IN (SELECT tblCriticalPnt.rowid FROM tblTower INNER "
     "JOIN tblCriticalPnt"
     " ON tblTower.IdTower = tblCriticalPnt.IdTower WHERE tblTower.IdTower =4)"},
    {"DeleteWithJoinOverLines",
     "DELETE tblCriticalPnt.* FROM tblTower \nINNER JOIN tblCriticalPnt \n ON tblTower.IdTower \n  "
     "= tblCriticalPnt.IdTower \nWHERE tblTower.IdOwner =2",
     "DELETE FROM tblCriticalPnt WHERE rowid IN (SELECT tblCriticalPnt.rowid FROM tblTower \nINNER "
     "JOIN tblCriticalPnt \n"
     " ON tblTower.IdTower \n  = tblCriticalPnt.IdTower \nWHERE tblTower.IdOwner =2)"},
    {"DeleteSingleTableStar", "DELETE tblTower.* FROM tblTower WHERE tblTower.IdTower =7",
     "DELETE FROM tblTower WHERE tblTower.IdTower =7"},
    {"DeleteStar", "DELETE * FROM tblStation WHERE IDStation =3",
     "DELETE FROM tblStation WHERE IDStation =3"},
    {"PlainDeleteUnchanged", "DELETE FROM tblStation WHERE IDStation =3",
     "DELETE FROM tblStation WHERE IDStation =3"},
    {"LikeKeepsPattern",
     "SELECT ApplDataValue \nFROM tblApplData \nWHERE ApplDataName LIKE 'DBVer' ",
     "SELECT ApplDataValue \nFROM tblApplData \nWHERE ApplDataName LIKE 'DBVer' "},
    {"DateLiteral", "SELECT 1 WHERE d > #2024-01-31#", "SELECT 1 WHERE d > '2024-01-31'"},
    {"JetFunctions", "SELECT LCase(a), Len(b), Mid(c, 2, 3) FROM t",
     "SELECT lower(a), length(b), substr(c, 2, 3) FROM t"},
    {"BracketNamesUntouched", "SELECT [Top], [a & b] FROM [my table]",
     "SELECT [Top], [a & b] FROM [my table]"},
    {"CommentOpenerNeverFormed", "SELECT 5--3", "SELECT 5- -3"},
    {"LiteralNeverFusedIntoBlob", "SELECT x\"41\"", "SELECT x '41'"},
    {"AdjacentLiteralsStayApart", "SELECT \"\"'a'", "SELECT '' 'a'"},
    {"UnterminatedLeftAsIs", "SELECT TOP 1 \"abc", "SELECT TOP 1 \"abc"},
    {"StatementsTranslatedOneByOne", "DELETE * FROM a; SELECT TOP 1 b FROM c;",
     "DELETE FROM a; SELECT b FROM c LIMIT 1;"},
    {"ProgramLikeTakesJetWildcardsLiterally",
     "DELETE FROM tblCriticalPnt WHERE CriticalPntRef LIKE 'P#1*'",
     "DELETE FROM tblCriticalPnt WHERE CriticalPntRef LIKE 'P#1*'"},
    {"CounterBecomesAutoNumber", "CREATE TABLE tblNews (IdNews COUNTER, NewsText TEXT(50))",
     "CREATE TABLE tblNews (IdNews INTEGER PRIMARY KEY AUTOINCREMENT, NewsText TEXT(50))"},
    {"CounterWithSeedAndColumnKey",
     "CREATE TABLE t (Id COUNTER(1, 1) CONSTRAINT PrimaryKey PRIMARY KEY, a TEXT)",
     "CREATE TABLE t (Id INTEGER PRIMARY KEY AUTOINCREMENT, a TEXT)"},
    {"CounterWithTableKey",
     "CREATE TABLE t (a TEXT, [Id] AUTOINCREMENT, CONSTRAINT pk PRIMARY KEY (Id))",
     "CREATE TABLE t (a TEXT, [Id] INTEGER PRIMARY KEY AUTOINCREMENT)"},
    {"CounterInCompoundKeyKeepsTheKey", "CREATE TABLE t (Id COUNTER, b LONG, PRIMARY KEY (Id, b))",
     "CREATE TABLE t (Id INTEGER PRIMARY KEY AUTOINCREMENT, b LONG, PRIMARY KEY (Id, b))"},
    {"CounterAsAValueUntouched", "SELECT COUNTER FROM t", "SELECT COUNTER FROM t"},
    // What is not a (seed, step) or a bare key constraint is never dropped with it.
    {"CounterGroupWithALiteralUntouched", "CREATE TABLE t (Id COUNTER(1, 'x'), a TEXT)",
     "CREATE TABLE t (Id COUNTER(1, 'x'), a TEXT)"},
    {"KeyConstraintWithMoreKept", "CREATE TABLE t (Id COUNTER, PRIMARY KEY (Id) 'x')",
     "CREATE TABLE t (Id INTEGER PRIMARY KEY AUTOINCREMENT, PRIMARY KEY (Id) 'x')"},
};

INSTANTIATE_TEST_SUITE_P(Statements, JetTranslation, testing::ValuesIn(translationCases),
                         [](const testing::TestParamInfo<TranslationCase> &info) {
                             return std::string(info.param.name);
                         });

// Statements of table-update files: LIKE may use Jet's own wildcards.
class UpdateFileTranslation : public testing::TestWithParam<TranslationCase>
{
};

TEST_P(UpdateFileTranslation, ProducesSqlite)
{
    const TranslationCase &c = GetParam();
    EXPECT_EQ(JetToSqlite(QString::fromUtf8(c.jet), TJetWildcards::UpdateFile).toStdString(),
              std::string(c.sqlite));
}

const TranslationCase updateFileCases[] = {
    {"StarBecomesGlob", "UPDATE tblListAnt SET AntExtra = '1' WHERE AntType LIKE 'Yagi*'",
     "UPDATE tblListAnt SET AntExtra = '1' WHERE AntType GLOB '[yY][aA][gG][iI]*'"},
    {"NotLikeAndDoubleQuotes", "DELETE FROM tblZipCity WHERE Zip NOT LIKE \"1###\"",
     "DELETE FROM tblZipCity WHERE Zip NOT GLOB '1[0-9][0-9][0-9]'"},
    {"QuestionMarkAndClasses", "SELECT 1 WHERE a LIKE '?[a-c][!0-9]' AND b = 2",
     "SELECT 1 WHERE a GLOB '?[a-cA-C][^0-9]' AND b = 2"},
    {"AnsiWildcardsWithJetOnes", "SELECT 1 WHERE a LIKE '%x*_'", "SELECT 1 WHERE a GLOB '*[xX]*?'"},
    {"NoJetWildcardStaysLike", "SELECT 1 WHERE ApplDataName LIKE 'DBVer'",
     "SELECT 1 WHERE ApplDataName LIKE 'DBVer'"},
    {"PatternBuiltFromPartsStaysLike", "SELECT 1 WHERE a LIKE 'x*' & b",
     "SELECT 1 WHERE a LIKE 'x*' || (COALESCE(b, ''))"},
    {"PatternInAGroup", "SELECT 1 WHERE (a LIKE 'x#')", "SELECT 1 WHERE (a GLOB '[xX][0-9]')"},
    {"OpenClassLeftForSqlite", "SELECT 1 WHERE a LIKE '[ab'", "SELECT 1 WHERE a LIKE '[ab'"},
};

INSTANTIATE_TEST_SUITE_P(Statements, UpdateFileTranslation, testing::ValuesIn(updateFileCases),
                         [](const testing::TestParamInfo<TranslationCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(JetLikeToGlob, KeepsTheMeaningOfEveryWildcard)
{
    const struct {
        const char *jet;
        const char *glob; // "" when LIKE stays
    } cases[] = {
        {"abc", ""},
        {"a%b_", ""},
        {"1*", "1*"},
        {"*-*", "*-*"},
        {"[*]x", "[*][xX]"}, // a bracketed star is the star itself
        {"[!a-z]", "[^a-zA-Z]"},
        {"[a-]", "[-aA]"}, // a literal dash stays out of ranges
        {"[^]", "^"},      // a literal caret never reads as "not"
        {"[!^]", "[^^]"},
        {"[ab^]", "[aAbB^]"},
        {"\u00e9*", "[\u00e9\u00c9]*"}, // letters beyond ASCII too
        {"[]", ""},
        {"a[b", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(JetLikeToGlob(QString::fromUtf8(c.jet)).toStdString(), std::string(c.glob))
            << c.jet;
}

TEST(SqlTokenizer, GivesTheInputBackAndReadsQuotesPerDialect)
{
    const QString sql = QStringLiteral("  SELECT \"a\"\"b\", 'c''d', [e f], 1.5E3 <> x  ");
    QString trailing;
    const auto jet = TokenizeSql(sql, SqlDialect::Jet, &trailing);
    QString joined;
    for (const TSqlToken &t : jet)
        joined += t.space + t.text;
    EXPECT_EQ(joined + trailing, sql);
    ASSERT_GE(jet.size(), 10);
    EXPECT_EQ(jet[1].kind, TSqlToken::String);
    EXPECT_EQ(jet[1].stringValue(), QStringLiteral("a\"b"));
    EXPECT_EQ(jet[3].stringValue(), QStringLiteral("c'd"));
    EXPECT_EQ(jet[5].kind, TSqlToken::QuotedName);
    EXPECT_EQ(jet[7].kind, TSqlToken::Number);
    EXPECT_EQ(jet[8].text, QStringLiteral("<>"));
    const auto sqlite = TokenizeSql(sql, SqlDialect::Sqlite);
    EXPECT_EQ(sqlite[1].kind, TSqlToken::QuotedName);
}
