#include "exposure/engine/patterntable.h"

#include <gtest/gtest.h>

namespace
{

const AntennaPattern Yagi = {8, 6, 2, -3, -10, -20, -25, -25, -30, -30};

TEST(PatternTable, PlainTableInterpolatesBetweenPatternPoints)
{
    const PatternTable table = BuildPatternTable(Yagi);
    for (int point = 0; point < 10; ++point)
        EXPECT_DOUBLE_EQ(table[point * 10], Yagi[point]) << "entry " << point * 10;
    EXPECT_NEAR(table[5], 7.0, 1e-12);
    EXPECT_NEAR(table[47], -17.0, 1e-12);
    EXPECT_NEAR(table[89], -30.0, 1e-12);
}

TEST(PatternTable, EntriesAreARunningAdditionWithinEachDecade)
{
    // Bit for bit: each entry is the previous one plus a tenth of the decade's
    // difference, so that tables match those stored by earlier versions.
    const AntennaPattern uneven = {7.3, 5.1, 2.9, -0.7, -3.3, -9.1, -13.7, -17.9, -23.3, -29.9};
    const PatternTable table = BuildPatternTable(uneven);
    for (int n = 0; n < PatternTableSize; ++n) {
        const int point = n / 10;
        if (n % 10 == 0)
            EXPECT_EQ(table[n], uneven[point]) << "entry " << n;
        else
            EXPECT_EQ(table[n], table[n - 1] + (uneven[point + 1] - uneven[point]) / 10.0)
                << "entry " << n;
    }
}

TEST(PatternTable, EnvelopeOfTheWorkedExample)
{
    const AntennaPattern raised = RaisedPattern(Yagi);
    const AntennaPattern expected = {8, 6.2, 2.2, -2.5, -9.5, -19.9, -22.5, -22.5, -27.5, -27.5};
    for (std::size_t k = 0; k < raised.size(); ++k)
        EXPECT_NEAR(raised[k], expected[k], 1e-12) << "G" << k;

    const PatternTable table = BuildEnvelopeTable(Yagi);
    for (int n = 40; n <= 50; ++n)
        EXPECT_NEAR(table[n], -9.5 - 1.04 * (n - 40), 1e-9) << "entry " << n;
    EXPECT_NEAR(table[47], -16.78, 1e-9);
    EXPECT_DOUBLE_EQ(table[90], -27.5);
}

// One pattern point Gk below (or above) G0 and what the envelope makes of it.
struct RaiseCase {
    const char *reason;
    double g0;
    double gk;
    double expected;
};

class EnvelopeRaise : public testing::TestWithParam<RaiseCase>
{
};

TEST_P(EnvelopeRaise, RaisesOnePoint)
{
    const RaiseCase &c = GetParam();
    AntennaPattern pattern;
    pattern.fill(c.gk);
    pattern[0] = c.g0;
    const AntennaPattern raised = RaisedPattern(pattern);
    EXPECT_DOUBLE_EQ(raised[0], c.g0) << c.reason;
    for (std::size_t k = 1; k < raised.size(); ++k)
        EXPECT_NEAR(raised[k], c.expected, 1e-12) << c.reason << ", G" << k;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EnvelopeRaise,
    testing::Values(RaiseCase{"equal to G0: no raise", 8, 8, 8},
                    RaiseCase{"above G0: left alone", 2, 4, 4},
                    RaiseCase{"G0 = 3 is the lowest row", 3, -40, -39.9},
                    RaiseCase{"3 < G0 < 5, 15 dB below", 4, -11, -10.8},
                    RaiseCase{"3 < G0 < 5, 30 dB below", 4, -26, -25.7},
                    RaiseCase{"G0 = 5 opens the third row, 5 dB below", 5, 0, 0.2},
                    RaiseCase{"third row, third amount is 0.1", 8, -17, -16.9},
                    RaiseCase{"third row, 10 dB below takes the second amount", 8, -2, -1.5},
                    RaiseCase{"third row, 30 dB below", 8, -22, -19.5},
                    RaiseCase{"G0 = 10 opens the fourth row", 10, -12, -9.5},
                    RaiseCase{"G0 = 12.5, 30 dB below is raised by 10", 12.5, -17.5, -7.5},
                    RaiseCase{"G0 = 12.5, 40 dB below", 12.5, -27.5, -17.5},
                    RaiseCase{"a raise never lifts a point above G0", 15, 14.5, 15},
                    RaiseCase{"just below the 10 dB edge", 15, 5.0001, 6.0001}),
    [](const testing::TestParamInfo<RaiseCase> &info) {
        return "Case" + std::to_string(info.index);
    });

TEST(PatternTable, BuildersKeepNoStateBetweenCalls)
{
    const AntennaPattern flat = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const PatternTable first = BuildEnvelopeTable(Yagi);
    BuildEnvelopeTable(flat);
    EXPECT_EQ(BuildEnvelopeTable(Yagi), first);
}

} // namespace
