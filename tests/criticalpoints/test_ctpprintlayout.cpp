#include "exposure/ctpprintlayout.h"
#include "exposure/ctprowcolour.h"

#include <gtest/gtest.h>

namespace
{

struct PagesCase {
    const char *reason;
    int rows;
    int perPage;
    int pages;
};

class Pagination : public testing::TestWithParam<PagesCase>
{
};

TEST_P(Pagination, SmallestNumberOfPagesThatHoldsAllRows)
{
    const PagesCase &c = GetParam();
    EXPECT_EQ(CtpPageCount(c.rows, c.perPage), c.pages) << c.reason;
}

INSTANTIATE_TEST_SUITE_P(Cases, Pagination,
                         testing::Values(PagesCase{"100 rows at 40 a page", 100, 40, 3},
                                         PagesCase{"exactly two full pages", 80, 40, 2},
                                         PagesCase{"one row more", 81, 40, 3},
                                         PagesCase{"a single row", 1, 40, 1},
                                         PagesCase{"an empty table still prints", 0, 40, 1},
                                         PagesCase{"no room is taken as one row", 3, 0, 3}));

TEST(PrintLayout, PageTextCarriesTheCount)
{
    EXPECT_EQ(CtpPageText(QStringLiteral("10-12-26"), 3, 3),
              QStringLiteral("Date: 10-12-26 Page: 3 / 3"));
}

TEST(PrintLayout, RowsPerPageRoundsToTheNearestRow)
{
    // (1000 − 5 × 20) / 24 = 37,5 → 38; / 25 = 36.
    EXPECT_EQ(CtpRowsPerPage(1000, 20, 24), 38);
    EXPECT_EQ(CtpRowsPerPage(1000, 20, 25), 36);
    EXPECT_EQ(CtpRowsPerPage(100, 20, 50), 1); // never less than one row
}

TEST(PrintLayout, ColumnsShareTheWidthByTheirScreenWidths)
{
    // Page 2100 px wide, no offset: unit 100 px, edges from 150 to 1950.
    const QVector<int> edges = CtpColumnEdges(2100, 100, {60, 70, 80, 40, 50, 100, 360, 70});
    ASSERT_EQ(edges.size(), 9);
    EXPECT_EQ(edges.first(), 150);
    EXPECT_EQ(edges.last(), 1950);
    EXPECT_EQ(edges[1], 150 + 130);      // 1800 × 60 / 830 = 130,1
    EXPECT_EQ(edges[7] - edges[6], 781); // the description's 360 of 830
}

TEST(PrintLayout, UnitsCountTheWholeSheet)
{
    const TCtpPrintLayout l = CtpPrintLayout(2000, 1400, 50, 30, 40, {1, 1}, 100);
    EXPECT_DOUBLE_EQ(l.hUnit, 2100.0 / 21);
    EXPECT_DOUBLE_EQ(l.vUnit, 1460.0 / 28.215);
    EXPECT_EQ(l.tableTop, 129);   // 2,5 × 51,74
    EXPECT_EQ(l.rowsPerPage, 29); // (1400 − 258,7) / 40 = 28,53
    EXPECT_EQ(l.pageCount, 4);
}

struct ColourCase {
    const char *reason;
    const char *reference;
    int previous;
    int index;
};

class RowColour : public testing::TestWithParam<ColourCase>
{
};

TEST_P(RowColour, FromTheLastTwoCharacters)
{
    const ColourCase &c = GetParam();
    EXPECT_EQ(CtpRowColourIndex(QString::fromLatin1(c.reference), c.previous), c.index) << c.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowColour,
    testing::Values(ColourCase{"CTP_01: ('1' + 13 × '0') mod 8", "CTP_01", 0, (49 + 13 * 48) % 8},
                    ColourCase{"CTP_02", "CTP_02", 0, (50 + 13 * 48) % 8},
                    ColourCase{"CTP_10", "CTP_10", 0, (48 + 13 * 49) % 8},
                    ColourCase{"no reference keeps the previous colour", "", 5, 5},
                    ColourCase{"one character", "7", 3, 55 % 8}));

} // namespace
