// The antenna page's rules without widgets, and deleting custom antennas.
#include "freshdatabase.h"
#include "pages/antennadefcustomstore.h"
#include "pages/antennadefrules.h"
#include "store/datamodule.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace
{

TEST(AntennaRules, TitleClicksToggleTheSort)
{
    struct Case {
        const char *why;
        const char *current;
        const char *field;
        const char *next;
    } cases[] = {
        {"first click sorts ascending", "", "AntType", "AntType ASC"},
        {"second click descending", "AntType ASC", "AntType", "AntType DESC"},
        {"third click ascending again", "AntType DESC", "AntType", "AntType ASC"},
        {"another title starts ascending", "AntType DESC", "AntMakeDescr", "AntMakeDescr ASC"},
        {"another title after an ascending one", "AntType ASC", "AntPol", "AntPol ASC"},
    };
    for (const Case &c : cases) {
        const QString next =
            NextCatalogueSort(QString::fromLatin1(c.current), QString::fromLatin1(c.field));
        EXPECT_EQ(next.toStdString(), c.next) << c.why;
        EXPECT_EQ(IsDescendingSort(next), QByteArray(c.next).endsWith(" DESC")) << c.why;
    }
}

TEST(AntennaRules, TiltUpTo45WholeDegrees)
{
    struct Case {
        const char *text;
        bool accepted;
    } cases[] = {{"45", true},
                 {"0", true},
                 {"-10", true},
                 {"-90", true},
                 {"46", false},
                 {"10,5", false},
                 {"", false},
                 {"-", false},
                 {"4 5", false},
                 {"1e1", false},
                 {"99999999999999", false}};
    for (const Case &c : cases)
        EXPECT_EQ(IsAcceptedTilt(QString::fromLatin1(c.text)), c.accepted) << c.text;
}

TEST(AntennaRules, LowerPartLayout)
{
    struct Case {
        const char *why;
        int placements, sites;
        bool editing;
        TPlacementLayout expected;
    } cases[] = {
        {"no placement, one site", 0, 1, false, {false, false, false, false, true, false}},
        {"no placement, two sites", 0, 2, false, {true, false, false, false, true, false}},
        {"placements, one site", 2, 1, false, {false, true, true, false, true, true}},
        {"placements, two sites", 1, 3, false, {true, true, true, false, true, true}},
        {"adding the first placement", 0, 1, true, {false, true, false, true, false, false}},
        {"editing a placement", 1, 1, true, {false, true, true, true, false, false}},
    };
    for (const Case &c : cases) {
        const TPlacementLayout l = PlacementLayout(c.placements, c.sites, c.editing);
        EXPECT_EQ(l.siteSelector, c.expected.siteSelector) << c.why;
        EXPECT_EQ(l.placementFields, c.expected.placementFields) << c.why;
        EXPECT_EQ(l.configurationGrid, c.expected.configurationGrid) << c.why;
        EXPECT_EQ(l.saveCancelEnabled, c.expected.saveCancelEnabled) << c.why;
        EXPECT_EQ(l.addEnabled, c.expected.addEnabled) << c.why;
        EXPECT_EQ(l.deleteEnabled, c.expected.deleteEnabled) << c.why;
    }
}

TEST(AntennaRules, PatternRange)
{
    struct Case {
        const char *why;
        QVector<double> values;
        double low, high;
    } cases[] = {
        {"the 90 degree value is the lowest", {12, 11, 8, 3, -2, -6, -10, -14, -18, -30}, -30, 12},
        {"a null inside", {2, 1, -25, 0, -3, -5, -5, -5, -5, -5}, -25, 2},
        {"flat pattern gets a ring",
         {2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15},
         1.15,
         2.15},
    };
    for (const Case &c : cases) {
        const TPatternRange r = PatternRange(c.values);
        EXPECT_DOUBLE_EQ(r.low, c.low) << c.why;
        EXPECT_DOUBLE_EQ(r.high, c.high) << c.why;
    }
}

class CustomAntennaDeletion : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { EnsureTestApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QString error;
        dm = OpenFreshMainDatabase(QStringLiteral(VLM_TEST_DB), m_dir.path(), &error);
        ASSERT_TRUE(dm) << error.toStdString();
    }

    qint32 sql(const QString &text)
    {
        const FixtureSqlResult r = RunFixtureSql(dm->conMainDb->database(), text);
        EXPECT_TRUE(r.ok) << r.error.toStdString();
        return r.rowId;
    }

    int antennaRows(qint32 id)
    {
        const FixtureSqlResult r = RunFixtureSql(
            dm->conMainDb->database(),
            QStringLiteral("SELECT COUNT(*) FROM tblListAnt WHERE IdListAnt = %1").arg(id));
        return r.ok ? r.firstValue.toInt() : -1;
    }

    std::unique_ptr<TdtmMain> dm;

private:
    QTemporaryDir m_dir;
};

TEST_F(CustomAntennaDeletion, UnusedCustomAntennaGoes)
{
    const qint32 id = sql(QStringLiteral(
        "INSERT INTO tblListAnt (IdAntFamily, AntType, AntDir) VALUES (49, 'Mine', 'CUSTOM')"));
    const auto outcome = DeleteCustomAntenna(*dm, id);
    ASSERT_TRUE(outcome.ok()) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.value.deleted);
    EXPECT_EQ(antennaRows(id), 0);
}

TEST_F(CustomAntennaDeletion, AntennaInUseStaysAndNamesItsPlacements)
{
    const qint32 id = sql(QStringLiteral(
        "INSERT INTO tblListAnt (IdAntFamily, AntType, AntDir) VALUES (49, 'Mine', 'CUSTOM')"));
    sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, AntennasRef) VALUES (1, %1, "
                       "'Loc01-Ant01')")
            .arg(id));
    const auto outcome = DeleteCustomAntenna(*dm, id);
    ASSERT_TRUE(outcome.ok());
    EXPECT_FALSE(outcome.value.deleted);
    EXPECT_EQ(outcome.value.usedBy.toStdString(), "Loc01-Ant01");
    EXPECT_EQ(antennaRows(id), 1);
}

TEST_F(CustomAntennaDeletion, CatalogueAntennaIsNeverDeleted)
{
    const auto outcome = DeleteCustomAntenna(*dm, 1); // the half-wave dipole
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(antennaRows(1), 1);
}

} // namespace
