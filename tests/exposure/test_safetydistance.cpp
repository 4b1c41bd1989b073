#include "exposure/engine/engine.h"
#include "exposure/engine/fieldreach.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{

const AntennaPattern Dipole = {2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15};
const AntennaPattern Yagi = {8, 6, 2, -3, -10, -20, -25, -25, -30, -30};
const AntennaPattern Dish12m = {21.8, 15.4, 12.4, 8, 4.9, 2.9, 2.9, 2.9, 2.9, 2.9};
const AntennaPattern Dish06m = {33.9, 13.9, 6.4, 2, -1.2, -3.1, -3.1, -3.1, -3.1, -3.1};

struct SafetyCase {
    const char *reason;
    AntennaPattern pattern;
    int n;
    double f, pd;
    double expected; // m, worked out by hand
};

class SafetyDistanceTest : public testing::TestWithParam<SafetyCase>
{
};

TEST_P(SafetyDistanceTest, MatchesTheHandCalculation)
{
    const SafetyCase &c = GetParam();
    const std::optional<double> r = SafetyDistance(c.pattern, c.n, c.f, c.pd);
    ASSERT_TRUE(r.has_value()) << c.reason;
    EXPECT_NEAR(*r, c.expected, 1e-4) << c.reason;
    // The engine agrees: the limit is reached just inside and no longer just
    // outside, along the direction of the largest gain (the axis: tilt 0, the
    // point level with the antenna).
    const double limit = VerdictLevels(c.f)->limit;
    const auto onAxis = [&](double x) {
        return FieldStrength(c.pattern, c.n, c.f, 0, x, 10, c.pd, 10);
    };
    EXPECT_GE(onAxis(*r - 0.01), limit) << c.reason;
    EXPECT_LT(onAxis(*r + 0.01), limit) << c.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Antennas, SafetyDistanceTest,
    testing::Values(
        // √(30 × 100 × 10^0.215) / 13.7
        SafetyCase{"half-wave dipole, 100 W on 2 m", Dipole, 0, 145, 20, 5.120826},
        // L1 = 0.686 × √435 = 14.30766; √(30 × 10^1.7 × 10^0.8) / L1
        SafetyCase{"Yagi of 8 dBi, 50 W on 70 cm", Yagi, 0, 435, 17, 6.807566},
        // L1 = 0.686 × √1270 = 24.44702; √(30 × 10 × 10^2.18) / L1 = 8.71635 m,
        // beyond B = 0.6 × 0.23622 × 25 = 3.5433 m: in the far field.
        SafetyCase{"dish 1,2 m, 10 W on 23 cm: far field", Dish12m, 5, 1270, 10, 8.716350},
        // 0,5 W: the far field would end at 6.2578 m, short of B = 7.7444 m, so
        // the limit 30.7 is reached in the transition region at
        // 10^-0.3 × 240.13 / (0.0292683 × 30.7²) = 4.36287 m, past A = 3.2268 m.
        SafetyCase{"dish 0,6 m, 0,5 W on 3 cm: transition", Dish06m, 21, 10250, -3, 4.362870}));

TEST(SafetyDistance, NoneBelowTenMegahertzOrWithoutAPower)
{
    EXPECT_FALSE(SafetyDistance(Dipole, 0, 7.1, 20).has_value());
    EXPECT_FALSE(SafetyDistance(Dipole, 0, 9.99, 20).has_value());
    EXPECT_TRUE(SafetyDistance(Dipole, 0, 10.125, 20).has_value());
    EXPECT_FALSE(SafetyDistance(Dipole, 0, 145, std::numeric_limits<double>::quiet_NaN()));
}

// The largest gain counts even when it lies off the main beam.
TEST(SafetyDistance, AWireAntennaUsesItsLargestGain)
{
    const AntennaPattern upwards = {0, 3, 6, 9, 6, 3, 0, -3, -6, -9};
    EXPECT_NEAR(*SafetyDistance(upwards, 0, 145, 10), FarFieldStrength(1, DbToWatt(10 + 9)) / 13.7,
                1e-12);
}

// A dish so weak that even its near field stays below the limit.
TEST(SafetyDistance, ZeroWhenTheLimitIsReachedNowhere)
{
    EXPECT_EQ(*SafetyDistance(Dish06m, 21, 10250, -40), 0.0);
}

// Along every ray of an aperture the reach is the last distance at which the
// engine's field still reaches the level, also where the field rises again
// from the transition region into the far field.
TEST(FieldReach, EndsWhereTheEngineFallsBelowTheLevel)
{
    const double f = 10250, pd = 10;
    for (const double level : {6.88, 27.48, 30.7, 100.0}) {
        for (int alpha = -90; alpha <= 90; alpha += 3) {
            const double cap = 1000;
            const double r = FieldReach(Dish06m, 21, f, alpha, pd, level, cap);
            // The point r away, `alpha` off the beam: level with the antenna
            // and the beam tilted by −alpha.
            const auto at = [&](double x) {
                return FieldStrength(Dish06m, 21, f, -alpha, x, 10, pd, 10);
            };
            if (r > 0) {
                EXPECT_GE(at(r), level * (1 - 1e-9)) << level << " V/m, " << alpha << "°";
            }
            for (double beyond = r + 0.005; r < cap && beyond < r + 200; beyond *= 1.05) {
                ASSERT_LT(at(beyond), level) << level << " V/m, " << alpha << "° at " << beyond;
            }
        }
    }
}

TEST(FieldReach, AlongTheAperturePlaneTheNearFieldNeverEnds)
{
    // The floor of the off-axis loss keeps the near field 20 dB below the axis
    // value however far one goes along the plane (90° off the axis).
    const double diameter = Wavelength(10250) * 21;
    const double floor = ApertureNearField(10, MaxOffAxisLoss, diameter);
    EXPECT_EQ(FieldReach(Dish06m, 21, 10250, 90, 10, floor * 0.99, 500), 500);
    EXPECT_LT(FieldReach(Dish06m, 21, 10250, 90, 10, floor * 1.01, 500), 2 * diameter);
}

} // namespace
