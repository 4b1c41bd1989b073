#include "exposure/engine/limits.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{

const double NaN = std::numeric_limits<double>::quiet_NaN();

// E (V/m) at f (MHz) and both classifications; they differ at the edges.
struct ClassCase {
    const char *reason;
    double e;
    double f;
    int verdict;
    int summary;
};

class Classification : public testing::TestWithParam<ClassCase>
{
};

TEST_P(Classification, VerdictAndSummaryClass)
{
    const ClassCase &c = GetParam();
    EXPECT_EQ(LimitVerdict(c.e, c.f), c.verdict) << c.reason;
    EXPECT_EQ(SummaryClass(c.e, c.f), c.summary) << c.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Classification,
    testing::Values(
        ClassCase{"145 MHz, exactly the limit", 13.7, 145, 2, 3},
        ClassCase{"145 MHz, just above the limit", 13.70001, 145, 1, 4},
        ClassCase{"145 MHz, exactly the warning level", 12.26, 145, 2, 2},
        ClassCase{"145 MHz, just above the warning level", 12.27, 145, 2, 3},
        ClassCase{"145 MHz, just below the warning level", 12.25, 145, 3, 2},
        ClassCase{"145 MHz, exactly the low level", 3.07, 145, 3, 1},
        ClassCase{"145 MHz, just below the low level", 3.06, 145, 4, 1},
        ClassCase{"145 MHz, far below", 0.6798, 145, 4, 1},
        ClassCase{"7.05 MHz: no verdict, low-band summary", 13.0, 7.05, 0, 3},
        ClassCase{"7.05 MHz: no verdict even far above", 500.0, 7.05, 0, 4},
        ClassCase{"9.99 MHz truncates to 9: no verdict", 20.0, 9.99, 0, 4},
        ClassCase{"10 MHz opens the low band", 20.0, 10.0, 1, 4},
        ClassCase{"400 MHz: verdict against 13.7, summary against 13.72", 13.71, 400, 1, 3},
        ClassCase{"400.9 MHz is still low band for the verdict", 13.71, 400.9, 1, 3},
        ClassCase{"401 MHz: middle band, limit 13.737", 13.72, 401, 2, 3},
        ClassCase{"1296 MHz middle band, below 5.544", 0.4643, 1296, 4, 1},
        ClassCase{"1296 MHz middle band, above 24.696", 42.338, 1296, 1, 4},
        ClassCase{"2000 MHz: middle band in both", 30.69, 2000, 1, 4},
        ClassCase{"2000.5 MHz: verdict middle (30.683), summary high (30.7)", 30.69, 2000.5, 1, 3},
        ClassCase{"2001 MHz: high band in both", 30.7, 2001, 2, 3},
        ClassCase{"10 GHz, exactly the high warning level", 27.48, 10000, 2, 2},
        ClassCase{"10 GHz, exactly the high low level", 6.88, 10000, 3, 1},
        ClassCase{"out-of-pattern value above every limit", 99999.9, 145, 1, 4},
        ClassCase{"a field strength that is not a number never passes", NaN, 145, 1, 4},
        ClassCase{"a frequency that is not a number", 1.0, NaN, 0, 4},
        ClassCase{"a huge frequency does not overflow", 1.0, 1e300, 4, 1},
        ClassCase{"a negative frequency", 1.0, -5.0, 0, 1}));

TEST(Limits, MiddleBandUsesTheUntruncatedFrequency)
{
    const LimitLevels levels = MiddleBandLevels(2000.5);
    EXPECT_NEAR(levels.limit, 30.682687, 1e-6);
    EXPECT_NEAR(levels.warning, 0.614 * std::sqrt(2000.5), 1e-12);
    EXPECT_NEAR(levels.low, 0.154 * std::sqrt(2000.5), 1e-12);
}

TEST(Limits, VerdictColoursHaveRedInTheLowestByte)
{
    const struct {
        int verdict;
        int red, green, blue;
    } rows[] = {
        {0, 128, 0, 128},   {1, 255, 170, 170}, {2, 255, 187, 255},
        {3, 187, 202, 255}, {4, 189, 238, 166},
    };
    for (const auto &row : rows) {
        const int colour = VerdictColour(row.verdict);
        EXPECT_EQ(colour & 0xff, row.red) << row.verdict;
        EXPECT_EQ((colour >> 8) & 0xff, row.green) << row.verdict;
        EXPECT_EQ((colour >> 16) & 0xff, row.blue) << row.verdict;
    }
    EXPECT_EQ(VerdictColour(4), 10940093);
    EXPECT_EQ(VerdictColour(-1), VerdictColour(0));
    EXPECT_EQ(VerdictColour(5), VerdictColour(0));
}

} // namespace
