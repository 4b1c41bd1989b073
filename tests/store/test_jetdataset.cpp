#include "store/jetconnection.h"
#include "store/jetconnectionstring.h"
#include "store/jetdataset.h"
#include "storetestsupport.h"

// The in-memory dataset: cursor, lookups by name and sorting as Jet orders text.
class JetDatasetTest : public testing::Test
{
protected:
    void SetUp() override
    {
        storetest::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_connection.setConnectionString(
            JetConnectionString(storetest::CopyDatabase(m_dir.path()), QString()));
        ASSERT_TRUE(m_connection.open());
        for (const char *name : {"beta", "Alpha", "gamma", "alpha"})
            ASSERT_TRUE(m_connection.exec(
                QStringLiteral("INSERT INTO tblTower( IdOwner, TowerName) VALUES ( 1, '%1')")
                    .arg(QLatin1String(name))));
        m_dataset.sql() << QStringLiteral("SELECT IdTower, TowerName, 'x' AS 'DegE'")
                        << QStringLiteral("FROM tblTower");
        ASSERT_TRUE(m_dataset.open()) << m_dataset.lastErrorText().toStdString();
    }

    QStringList names()
    {
        QStringList result;
        for (m_dataset.first(); !m_dataset.eof(); m_dataset.next())
            result << m_dataset.fieldValue(QStringLiteral("TowerName")).toString();
        return result;
    }

    QTemporaryDir m_dir;
    TJetConnection m_connection{QStringLiteral("conTest")};
    TJetDataset m_dataset{QStringLiteral("qryTemp1"), TJetDataset::Query, &m_connection};
};

TEST_F(JetDatasetTest, WalksRowsInOrderReturned)
{
    EXPECT_EQ(m_dataset.recordCount(), 4);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("beta"), QStringLiteral("Alpha"),
                                    QStringLiteral("gamma"), QStringLiteral("alpha")}));
    EXPECT_TRUE(m_dataset.eof());
    m_dataset.last();
    EXPECT_EQ(m_dataset.fieldValue(QStringLiteral("towername")).toString(),
              QStringLiteral("alpha"));
    EXPECT_TRUE(m_dataset.locate(QStringLiteral("IDTower"), 3));
    EXPECT_EQ(m_dataset.fieldValue(QStringLiteral("TowerName")).toString(),
              QStringLiteral("gamma"));
    EXPECT_FALSE(m_dataset.locate(QStringLiteral("IdTower"), 99));
    EXPECT_EQ(m_dataset.recNo(), 2);
}

TEST_F(JetDatasetTest, QuotedAliasFoundWithOrWithoutQuotes)
{
    EXPECT_EQ(m_dataset.fieldNames().last(), QStringLiteral("'DegE'"));
    EXPECT_EQ(m_dataset.fieldValue(QStringLiteral("'DegE'")).toString(), QStringLiteral("x"));
    EXPECT_EQ(m_dataset.fieldValue(QStringLiteral("DegE")).toString(), QStringLiteral("x"));
}

TEST_F(JetDatasetTest, SortsTextWithoutCaseAndKeepsTies)
{
    m_dataset.sort(m_dataset.fieldIndex(QStringLiteral("TowerName")));
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("alpha"),
                                    QStringLiteral("beta"), QStringLiteral("gamma")}));
    m_dataset.sort(m_dataset.fieldIndex(QStringLiteral("IdTower")), Qt::DescendingOrder);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("alpha"), QStringLiteral("gamma"),
                                    QStringLiteral("Alpha"), QStringLiteral("beta")}));
}

TEST_F(JetDatasetTest, ClosedDatasetIsEmpty)
{
    m_dataset.close();
    EXPECT_FALSE(m_dataset.isActive());
    EXPECT_TRUE(m_dataset.eof());
    EXPECT_FALSE(m_dataset.fieldValue(QStringLiteral("TowerName")).isValid());
    m_dataset.sql().clear();
    m_dataset.sql() << QStringLiteral("SELECT nothing FROM nowhere");
    EXPECT_FALSE(m_dataset.open());
    EXPECT_FALSE(m_dataset.lastErrorText().isEmpty());
}

// Reading a column the open dataset lacks is a program error that tests and
// debug builds must not pass over; a closed dataset only has no current row.
TEST_F(JetDatasetTest, MissingFieldStopsTheProgramUnderTests)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    qputenv("VLM_STRICT_FIELDS", "1");
    EXPECT_DEATH(m_dataset.fieldValue(QStringLiteral("TowerNam")),
                 "Dataset qryTemp1 has no field TowerNam \\(fields: IdTower, TowerName, 'DegE'\\)");
    EXPECT_DEATH(m_dataset.value(0, QStringLiteral("IdOwner")), "has no field IdOwner");
    EXPECT_DEATH(m_dataset.locate(QStringLiteral("IdOwner"), 1), "has no field IdOwner");
    EXPECT_DEATH(m_dataset.columnOf(QStringLiteral("IdOwner")), "has no field IdOwner");
    EXPECT_EQ(m_dataset.columnOf(QStringLiteral("towername")), 1);
    EXPECT_EQ(m_dataset.fieldIndex(QStringLiteral("IdOwner")), -1) << "asking is no read";
    m_dataset.close();
    EXPECT_FALSE(m_dataset.fieldValue(QStringLiteral("IdOwner")).isValid());
}

#ifdef QT_NO_DEBUG
TEST_F(JetDatasetTest, MissingFieldReadsNullInAReleaseBuild)
{
    qputenv("VLM_STRICT_FIELDS", "0");
    EXPECT_FALSE(m_dataset.fieldValue(QStringLiteral("TowerNam")).isValid());
    EXPECT_FALSE(m_dataset.locate(QStringLiteral("TowerNam"), QStringLiteral("beta")));
    EXPECT_EQ(m_dataset.columnOf(QStringLiteral("TowerNam")), -1);
    qputenv("VLM_STRICT_FIELDS", "1");
}
#endif
