#include "store/schema.h"
#include "storetestsupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>

// The schema constants name exactly what the built database holds: every
// table with its columns in order, and the saved queries the datasets open.
namespace
{

class SchemaTest : public testing::Test
{
protected:
    void SetUp() override
    {
        storetest::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("schema"));
        m_db.setDatabaseName(storetest::CopyDatabase(m_dir.path()));
        ASSERT_TRUE(m_db.open());
    }
    void TearDown() override
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("schema"));
    }

    QStringList column(const QString &sql, int index = 0) const
    {
        QSqlQuery q(m_db);
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        QStringList result;
        while (q.next())
            result << q.value(index).toString();
        return result;
    }

    QTemporaryDir m_dir;
    QSqlDatabase m_db;
};

TEST_F(SchemaTest, EveryTableWithItsColumnsInOrder)
{
    QStringList declared;
    for (const Schema::TSchemaTable &table : Schema::SchemaTables()) {
        declared << table.name;
        QStringList columns;
        for (QLatin1String c : table.columns)
            columns << c;
        EXPECT_EQ(column(QStringLiteral("PRAGMA table_info(%1)").arg(table.name), 1), columns)
            << table.name.data();
    }
    declared.sort(Qt::CaseInsensitive);
    EXPECT_EQ(column(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                    "name NOT LIKE 'sqlite_%' ORDER BY name COLLATE NOCASE")),
              declared);
}

TEST_F(SchemaTest, SavedQueriesExist)
{
    const QStringList views =
        column(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'view'"));
    for (QLatin1String view :
         {Schema::qryListAntFamily, Schema::qryMode1, Schema::qryMode2, Schema::qryTxTime1,
          Schema::qryTxTime2, Schema::qryCableLoss1, Schema::qryCableLoss2, Schema::qryCableLoss3,
          Schema::qryCableLoss4, Schema::qryZipCity1, Schema::qryZipCity2})
        EXPECT_TRUE(views.contains(view)) << view.data();
    EXPECT_EQ(Schema::PatternColumns.front(), QLatin1String("AntV00"));
    EXPECT_EQ(Schema::PatternColumns.back(), QLatin1String("AntV100"));
}

} // namespace
