// The staging database between the regulator's Access file and the export's
// statements: declared types carry the Access types, SQLite keeps texts as texts
// and reals as reals in them, and an Access file survives the way through
// staging and back.
#include "freshdatabase.h"
#include "jet4/jet4reader.h"
#include "jet4/jet4writer.h"
#include "reports/exportstaging.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

using jet4::ColumnType;

struct DeclaredCase {
    const char *declared;
    bool accepted;
    ColumnType type;
    int size;
    bool counter;
};

const DeclaredCase DeclaredCases[] = {
    {"INTEGER", true, ColumnType::Long, 0, false},
    {"INTEGER COUNTER", true, ColumnType::Long, 0, true},
    {"DOUBLE", true, ColumnType::Double, 0, false},
    {"REAL", true, ColumnType::Double, 0, false},
    {"VARCHAR(255)", true, ColumnType::Text, 255, false},
    {"varchar( 12 )", true, ColumnType::Text, 12, false},
    {"TEXT", true, ColumnType::Text, 0, false},
    {"LONGTEXT", true, ColumnType::Memo, 0, false},
    {"BOOLEAN", true, ColumnType::Boolean, 0, false},
    {"SMALLINT", true, ColumnType::Integer, 0, false},
    {"TINYINT", true, ColumnType::Byte, 0, false},
    {"FLOAT4", true, ColumnType::Single, 0, false},
    {"CURRENCY", true, ColumnType::Currency, 0, false},
    {"DATETIME", true, ColumnType::DateTime, 0, false},
    {"VARBINARY(16)", true, ColumnType::Binary, 16, false},
    {"LONGBLOB", true, ColumnType::OLE, 0, false},
    {"GUID", true, ColumnType::Guid, 0, false},
    {"NUMERIC", false, ColumnType::Long, 0, false},
    {"", false, ColumnType::Long, 0, false},
    {"DOUBLE(10)", false, ColumnType::Long, 0, false},
    {"BOOLEAN COUNTER", false, ColumnType::Long, 0, false},
    {"VARCHAR(x)", false, ColumnType::Long, 0, false},
};

class DeclaredTypes : public ::testing::TestWithParam<DeclaredCase>
{
};

TEST_P(DeclaredTypes, NameTheAccessType)
{
    const DeclaredCase &c = GetParam();
    jet4::Column column;
    ASSERT_EQ(AccessColumnFromDeclaredType(QString::fromLatin1(c.declared), column), c.accepted);
    if (!c.accepted)
        return;
    EXPECT_EQ(column.type, c.type);
    EXPECT_EQ(column.size, c.size);
    EXPECT_EQ(column.autoNumber, c.counter);
    // And back: the staging name of the column reads as the same column.
    jet4::Column again;
    ASSERT_TRUE(AccessColumnFromDeclaredType(StagingDeclaredType(column), again));
    EXPECT_EQ(again.type, column.type);
    EXPECT_EQ(again.autoNumber, column.autoNumber);
}

INSTANTIATE_TEST_SUITE_P(Names, DeclaredTypes, ::testing::ValuesIn(DeclaredCases),
                         [](const auto &info) {
                             std::string name = info.param.declared;
                             for (char &ch : name)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name.empty() ? std::string("empty") : name;
                         });

// The affinity SQLite gives the declared types keeps what the export writes as it is.
TEST(StagingAffinity, KeepsTextsAsTextsAndRealsAsReals)
{
    EnsureTestApplication();
    QTemporaryDir dir;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("affinity"));
        db.setDatabaseName(dir.filePath(QStringLiteral("a.sqlite")));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE t (zip VARCHAR(255), note LONGTEXT, gain "
                                          "DOUBLE, nr INTEGER, shared BOOLEAN)")));
        ASSERT_TRUE(
            q.exec(QStringLiteral("INSERT INTO t VALUES ('0123', '1e5', 50.50, 360, True)")));
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT typeof(zip), zip, typeof(note), note, "
                                          "typeof(gain), typeof(nr), shared FROM t")));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toString(), QStringLiteral("text"));
        EXPECT_EQ(q.value(1).toString(), QStringLiteral("0123"));
        EXPECT_EQ(q.value(2).toString(), QStringLiteral("text"));
        EXPECT_EQ(q.value(3).toString(), QStringLiteral("1e5"));
        EXPECT_EQ(q.value(4).toString(), QStringLiteral("real"));
        EXPECT_EQ(q.value(5).toString(), QStringLiteral("integer"));
        EXPECT_EQ(q.value(6).toInt(), 1);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("affinity"));
}

TEST(StagingRoundTrip, AnAccessFileComesBackWithItsTablesKeysAndRows)
{
    EnsureTestApplication();
    jet4::Table table;
    table.name = "DefaultAntennaTable";
    table.columns = {{"DefaultAntennaPK", ColumnType::Long, 0, true},
                     {"DefaultAntennaType", ColumnType::Text, 120},
                     {"Note", ColumnType::Memo},
                     {"Gain", ColumnType::Double},
                     {"Shared", ColumnType::Boolean},
                     {"Small", ColumnType::Integer},
                     {"Id", ColumnType::Guid}};
    table.primaryKey = 0;
    table.rows = {{std::int64_t{1}, std::string("Yagi \"9 él.\""), std::string("Line 1\r\nLine 2"),
                   13.1, std::int64_t{1}, std::int64_t{-7}, jet4::Bytes(16, 0xAB)},
                  {std::int64_t{2}, std::string(), jet4::Value{}, jet4::Value{}, std::int64_t{0},
                   jet4::Value{}, jet4::Value{}}};
    jet4::Database database;
    database.tables.push_back(table);
    jet4::Bytes bytes;
    ASSERT_TRUE(jet4::WriteDatabase(database, bytes).ok());
    QTemporaryDir dir;
    const QString access = dir.filePath(QStringLiteral("in.mdb"));
    QFile out(access);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size()));
    out.close();

    const QString staging = dir.filePath(QStringLiteral("staging.sqlite"));
    ASSERT_TRUE(LoadAccessIntoStaging(access, staging).ok());
    const QString again = dir.filePath(QStringLiteral("out.mdb"));
    const TOpStatus written = WriteStagingAsAccess(staging, again);
    ASSERT_TRUE(written.ok()) << written.error.toStdString();

    jet4::Database back;
    ASSERT_TRUE(jet4::ReadDatabase(QFile::encodeName(again).toStdString(), back).ok());
    ASSERT_EQ(back.tables.size(), 1u);
    const jet4::Table &read = back.tables[0];
    EXPECT_EQ(read.name, table.name);
    ASSERT_EQ(read.columns.size(), table.columns.size());
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        EXPECT_EQ(read.columns[c].name, table.columns[c].name);
        EXPECT_EQ(read.columns[c].type, table.columns[c].type);
        EXPECT_EQ(read.columns[c].size, table.columns[c].size);
        EXPECT_EQ(read.columns[c].autoNumber, table.columns[c].autoNumber);
    }
    EXPECT_EQ(read.primaryKey, table.primaryKey);
    EXPECT_EQ(read.rows, table.rows);
}

TEST(StagingToAccess, RefusesWhatAnAccessFileCannotHold)
{
    EnsureTestApplication();
    const struct {
        const char *name;
        const char *table;
        const char *message;
    } cases[] = {
        {"unknown type", "CREATE TABLE t (a NUMERIC)",
         "Column a of table t has the type \"NUMERIC\", which an Access database cannot hold."},
        {"text in a whole-number column", "CREATE TABLE t (a INTEGER); INSERT INTO t VALUES ('x')",
         "Table t, column a: \"x\" where a whole number belongs"},
        {"text in a real column", "CREATE TABLE t (a DOUBLE); INSERT INTO t VALUES ('2,15')",
         "Table t, column a: \"2,15\" where a number belongs"},
        {"text too long", "CREATE TABLE t (a VARCHAR(2)); INSERT INTO t VALUES ('abc')",
         "the text is longer than 2 characters"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString staging = dir.filePath(QStringLiteral("s.sqlite"));
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("refuse"));
            db.setDatabaseName(staging);
            ASSERT_TRUE(db.open());
            for (const QString &statement :
                 QString::fromLatin1(c.table).split(QStringLiteral("; "))) {
                QSqlQuery q(db);
                ASSERT_TRUE(q.exec(statement)) << statement.toStdString();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("refuse"));
        const QString target = dir.filePath(QStringLiteral("t.mdb"));
        const TOpStatus status = WriteStagingAsAccess(staging, target);
        EXPECT_TRUE(status.error.contains(QString::fromLatin1(c.message)))
            << status.error.toStdString();
        EXPECT_FALSE(QFile::exists(target));
    }
}

} // namespace
