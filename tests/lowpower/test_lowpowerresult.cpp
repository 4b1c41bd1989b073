// The low-power result: ERP, the class used, the highlighted column and the frequency scale.
#include "exposure/lowpower/lowpowerresult.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
// The worked case: 5 W into a 2,15 dBi antenna with 0,5 dB of coax loss on 145 MHz.
TLowPowerInput workedInput(double a, double b)
{
    TLowPowerInput in;
    in.distA = a;
    in.distB = b;
    in.power = 5;
    in.gain = 2.15;
    in.losses = 0.5;
    in.frequency = 145;
    return in;
}

// A transmitter of w watts into a 2,15 dBi antenna without losses: an ERP of w watts, up
// to the rounding of the logarithm.
TLowPowerInput erpInput(double w, double a, double b, double frequency = 145)
{
    TLowPowerInput in;
    in.distA = a;
    in.distB = b;
    in.power = w;
    in.gain = 2.15;
    in.frequency = frequency;
    return in;
}

struct MetCase {
    const char *name;
    TLowPowerInput input;
    bool met;
    int highlight; // column index, -1 none
};

class LowPowerResultTest : public ::testing::TestWithParam<MetCase>
{
};

TEST_P(LowPowerResultTest, MetAndHighlight)
{
    const MetCase &c = GetParam();
    const TLowPowerResult r = ComputeLowPowerResult(c.input);
    EXPECT_EQ(r.met, c.met);
    EXPECT_EQ(r.highlight, c.highlight);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LowPowerResultTest,
    ::testing::Values(
        // 4,46 W: the 5 W class (5,1 m / 3,9 m) applies and its column is highlighted.
        MetCase{"WorkedHorizontalEnough", workedInput(6, 0), true, 3},
        MetCase{"WorkedNeitherEnough", workedInput(3, 3), false, 3},
        MetCase{"WorkedVerticalEnough", workedInput(3, 4), true, 3},
        MetCase{"WorkedExactlyTheClearance", workedInput(5.1, 0), true, 3},
        // Exactly 5 W uses the 5 W class and highlights 6 W.
        MetCase{"FiveWattsUsesFive", erpInput(5, 5.1, 0), true, 4},
        MetCase{"FiveWattsShortOfFive", erpInput(5, 5.0, 3.8), false, 4},
        // 1,2 W: the 2 W class needs no clearance.
        MetCase{"SmallErpAnyClearance", erpInput(1.2, 0, 0), true, 0},
        MetCase{"TwentyWattsNoColumn", erpInput(20, 10, 0), true, -1},
        MetCase{"AboveTwentyNeverMet", erpInput(20.5, 99, 99), false, -1},
        // At 1296 MHz the 5 W clearance is 2,83 m: 2,8 m (as shown rounded) is not enough.
        MetCase{"ScaledClearanceMet", erpInput(4.46, 2.9, 0, 1296), true, 3},
        MetCase{"ScaledClearanceUnrounded", erpInput(4.46, 2.8, 0, 1296), false, 3}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LowPowerResultValues, WorkedExampleErp)
{
    const TLowPowerResult r = ComputeLowPowerResult(workedInput(6, 0));
    EXPECT_TRUE(r.hasErp);
    EXPECT_NEAR(r.erpDbw, 6.4897, 1e-4);
    EXPECT_NEAR(r.erpW, 4.4563, 1e-4);
    EXPECT_DOUBLE_EQ(r.scale, 1.0);
    EXPECT_DOUBLE_EQ(r.horizontal[3], 5.1);
    EXPECT_DOUBLE_EQ(r.vertical[3], 3.9);
}

TEST(LowPowerResultValues, CorrectionsLowerTheErp)
{
    TLowPowerInput in = workedInput(0, 0);
    in.modeAtt = 6.99;
    in.txTimeAtt = 3;
    const TLowPowerResult r = ComputeLowPowerResult(in);
    EXPECT_NEAR(r.erpDbw, 6.4897 - 9.99, 1e-4);
    EXPECT_TRUE(r.met); // 0,45 W: the 2 W class
}

TEST(LowPowerResultValues, ZeroWattsIsNotMet)
{
    TLowPowerInput in = workedInput(99, 99);
    for (double p : {0.0, -1.0, std::nan("")}) {
        in.power = p;
        const TLowPowerResult r = ComputeLowPowerResult(in);
        EXPECT_FALSE(r.hasErp);
        EXPECT_FALSE(r.met);
        EXPECT_EQ(r.erpW, 0.0);
        EXPECT_EQ(r.highlight, -1);
    }
}

TEST(LowPowerScaleTest, FrequencyBands)
{
    const struct {
        double f;
        double r;
    } rows[] = {{145, 1.0},
                {400.9, 1.0},
                {401, 19.97 / std::sqrt(401.0)},
                {432.2, 19.97 / std::sqrt(432.2)},
                {1296, 19.97 / 36.0},
                {2000.5, 19.97 / std::sqrt(2000.5)},
                {2001, 0.45},
                {10368, 0.45},
                {65535.9, 0.45},
                {65536, 1.0},
                {122250, 1.0}};
    for (const auto &row : rows)
        EXPECT_NEAR(LowPowerScale(row.f), row.r, 1e-12) << row.f;
}

TEST(LowPowerScaleTest, ScaledTableAt1296And10368)
{
    TLowPowerInput in = workedInput(0, 0);
    in.frequency = 1296;
    TLowPowerResult r = ComputeLowPowerResult(in);
    EXPECT_NEAR(r.scale, 0.5547, 1e-4);
    EXPECT_DOUBLE_EQ(r.horizontal[3], 2.8);
    EXPECT_DOUBLE_EQ(r.horizontal[11], 5.5);
    in.frequency = 10368;
    r = ComputeLowPowerResult(in);
    EXPECT_DOUBLE_EQ(r.scale, 0.45);
    EXPECT_DOUBLE_EQ(r.horizontal[11], 4.5);
    EXPECT_DOUBLE_EQ(r.vertical[1], 1.5);
}
} // namespace
