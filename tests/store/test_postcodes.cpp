// The postcode rules: which row typed digits pick, the "no town yet" keys and
// the town column of a document language; and the shipped table's main towns.
#include "freshdatabasetest.h"
#include "store/datamodule.h"
#include "store/postcodes.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

// A few rows as the lookups list them: sorted by postcode, the towns of one
// postcode together, the two "no town yet" rows first.
QVector<TPostcodeRow> fixtureRows()
{
    return {
        {QStringLiteral("0000"), false, true},  // 0 no town yet
        {QStringLiteral("0000"), false, true},  // 1 no town yet
        {QStringLiteral("1000"), true, false},  // 2 Brussel
        {QStringLiteral("1020"), false, false}, // 3 Laken (sub-municipality only)
        {QStringLiteral("1731"), false, false}, // 4 Relegem: no main town
        {QStringLiteral("1731"), false, false}, // 5 Zellik
        {QStringLiteral("4000"), false, false}, // 6 Glain
        {QStringLiteral("4000"), true, false},  // 7 Liège
        {QStringLiteral("4000"), false, false}, // 8 Rocourt
        {QStringLiteral("4020"), false, false}, // 9 Bressoux
        {QStringLiteral("4020"), true, false},  // 10 Liège
    };
}

struct DigitsCase {
    const char *why;
    const char *digits;
    int row;
};

TEST(Postcodes, TypedDigitsPickTheMainTownOfTheFirstPostcodeThatFits)
{
    const DigitsCase cases[] = {
        {"whole postcode: its main town, not the first listed", "4000", 7},
        {"beginning of a postcode: the main town of the first that fits", "4", 7},
        {"three digits", "402", 10},
        {"postcode without a main town: its first town", "1731", 4},
        {"single town", "1020", 3},
        {"no town yet rows are never picked", "0", -1},
        {"not even by their whole text", "0000", -1},
        {"no postcode starts so", "9", -1},
        {"nothing typed", "", -1},
    };
    const QVector<TPostcodeRow> rows = fixtureRows();
    for (const DigitsCase &c : cases)
        EXPECT_EQ(PostcodeRowForDigits(rows, QString::fromLatin1(c.digits)), c.row) << c.why;
}

TEST(Postcodes, NoTownYetKeysAndTownColumns)
{
    for (qint32 key : {0, 1, 2})
        EXPECT_TRUE(IsNoTownYet(key)) << key;
    EXPECT_FALSE(IsNoTownYet(3));

    EXPECT_EQ(TownColumnForLanguage(2), QStringLiteral("CityNameN"));
    for (int language : {1, 3, 4})
        EXPECT_EQ(TownColumnForLanguage(language), QStringLiteral("CityNameF")) << language;

    // Before the owner chose a language, the interface language decides.
    EXPECT_EQ(TownListLanguage(3, 1), 3);
    EXPECT_EQ(TownListLanguage(0, 1), 2);
    EXPECT_EQ(TownListLanguage(0, 2), 1);
}

// The shipped lookup, read as the pages read it.
class ShippedPostcodes : public FreshDatabaseTest
{
};

TEST_F(ShippedPostcodes, WholePostcodesPickTheirMunicipality)
{
    TJetDataset *zips = dm->tblZipCity1;
    ASSERT_TRUE(zips->isActive() || zips->open());
    const QVector<TPostcodeRow> rows = PostcodeRows(*zips, QStringLiteral("IdZipCity1"));
    ASSERT_EQ(rows.size(), zips->recordCount());
    const struct {
        const char *zip;
        const char *dutch;
        const char *french;
    } cases[] = {{"4000", "Luik", "Liège"},       {"1000", "Brussel", "Bruxelles"},
                 {"8000", "Brugge", "Bruges"},    {"9000", "Gent", "Gand"},
                 {"2018", "Antwerpen", "Anvers"}, {"4700", "Eupen", "Eupen"}};
    for (const auto &c : cases) {
        const int row = PostcodeRowForDigits(rows, QString::fromLatin1(c.zip));
        ASSERT_GE(row, 0) << c.zip;
        EXPECT_EQ(zips->value(row, QStringLiteral("CityNameN")).toString(),
                  QString::fromUtf8(c.dutch));
        EXPECT_EQ(zips->value(row, QStringLiteral("CityNameF")).toString(),
                  QString::fromUtf8(c.french));
    }
    // Every main town belongs to a real postcode, and no postcode has two.
    QSet<QString> seen;
    for (const TPostcodeRow &row : rows) {
        if (!row.mainTown)
            continue;
        EXPECT_FALSE(row.noTownYet);
        EXPECT_FALSE(seen.contains(row.zip)) << qPrintable(row.zip);
        seen.insert(row.zip);
    }
    EXPECT_GT(seen.size(), 500);
}

TEST_F(ShippedPostcodes, AnOlderDatabaseWithoutMainTownsPicksTheFirstTown)
{
    // A database made before the main-town table: the view has no CityMain.
    sql(QStringLiteral("DROP VIEW qryZipCity1"));
    sql(QStringLiteral("CREATE VIEW qryZipCity1 AS SELECT IdZipCity AS IdZipCity1, Zip, CityNameN, "
                       "CityNameF FROM tblZipCity ORDER BY Zip, IdZipCity"));
    TJetDataset *zips = dm->tblZipCity1;
    ASSERT_TRUE(zips->open());
    const QVector<TPostcodeRow> rows = PostcodeRows(*zips, QStringLiteral("IdZipCity1"));
    const int row = PostcodeRowForDigits(rows, QStringLiteral("4000"));
    ASSERT_GE(row, 0);
    EXPECT_EQ(zips->value(row, QStringLiteral("CityNameF")).toString(), QStringLiteral("Glain"));
}

} // namespace
