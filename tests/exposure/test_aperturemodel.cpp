// The aperture model over the shipped dishes: no field that vanishes beside a
// dish, no step where the near field meets the transition region, and no point
// of the near field or transition region far below the axis.

#include "exposure/engine/engine.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

struct Dish {
    const char *name;
    AntennaPattern pattern;
    int n;
    double f;
};

// The shipped catalogue's dishes (data/reference/60_antennas.sql).
const Dish Dishes[] = {
    {"3 m, 23 cm", {29.8, 16, 8.4, 4, 0.9, -1, -1, -1, -1, -1}, 13, 1270},
    {"1,2 m, 23 cm", {21.8, 15.4, 12.4, 8, 4.9, 2.9, 2.9, 2.9, 2.9, 2.9}, 5, 1270},
    {"1 m, 13 cm", {25.7, 15.5, 10.5, 6.1, 3, 1, 1, 1, 1, 1}, 8, 2375},
    {"1,5 m, 9 cm", {32.3, 14.7, 7.2, 2.8, -0.4, -2.3, -2.3, -2.3, -2.3, -2.3}, 17, 3405},
    {"0,6 m, 6 cm", {28.9, 16.4, 8.9, 4.5, 1.3, -0.6, -0.6, -0.6, -0.6, -0.6}, 12, 5750},
    {"0,6 m, 3 cm", {33.9, 13.9, 6.4, 2, -1.2, -3.1, -3.1, -3.1, -3.1, -3.1}, 21, 10250},
    {"0,8 m, 3 cm", {36.4, 12.6, 5.1, 0.7, -2.4, -4.4, -4.4, -4.4, -4.4, -4.4}, 27, 10250},
    {"0,48 m, 1,2 cm", {39.4, 11.1, 3.6, -0.8, -3.9, -5.9, -5.9, -5.9, -5.9, -5.9}, 39, 24125},
};

const Dish &ThreeCentimetreDish = Dishes[5];

// "Parabolic dish 0,6 m" on 3 cm at 6 m, tilted up by 10°, 10 W at the antenna:
// people on the ground beside and in front of it. The loss without a floor gave
// 10⁻⁹ V/m at 8 m and 2 V/m at 30 m: a field that grew as one walked away.
TEST(ApertureModel, BesideTheDishTheFieldDoesNotVanish)
{
    const Dish &dish = ThreeCentimetreDish;
    for (const double hp : {0.0, 1.5, 2.0}) {
        double lowest = HUGE_VAL, highest = 0;
        for (const double d : {8.0, 12.0, 20.0, 30.0}) {
            const double e = FieldStrength(dish.pattern, dish.n, dish.f, 10, d, hp, 10, 6);
            lowest = std::min(lowest, e);
            highest = std::max(highest, e);
        }
        EXPECT_GT(lowest, 1.0) << "point height " << hp;
        EXPECT_LT(highest / lowest, 10.0) << "point height " << hp;
    }
}

// On the axis the near-field formula holds up to A and the transition formula
// from there: both give the same field at A, for every dish and power.
TEST(ApertureModel, NearFieldAndTransitionMeetAtTheNearFieldLimit)
{
    for (const Dish &dish : Dishes) {
        const double a = NearFieldLimit(dish.f, dish.n);
        const double lambda = Wavelength(dish.f);
        EXPECT_NEAR(a, lambda * dish.n * lambda * dish.n / (4 * lambda), 1e-12) << dish.name;
        EXPECT_LT(a, FarFieldLimit(dish.f, dish.n)) << dish.name;
        for (const double pd : {-10.0, 10.0, 30.0}) {
            const auto onAxis = [&](double x) {
                return FieldStrength(dish.pattern, dish.n, dish.f, 0, x, 6, pd, 6);
            };
            const double nearSide = onAxis(a * (1 - 1e-9));
            const double farSide = onAxis(a * (1 + 1e-9));
            EXPECT_DOUBLE_EQ(onAxis(a), nearSide) << dish.name;
            // 4 × 240.13 = 960.52 against 960.5: they agree to 1 part in 10⁵.
            EXPECT_NEAR(farSide / nearSide, 1.0, 2e-5) << dish.name << " at " << pd << " dBW";
        }
    }
}

// Beside the beam a point of the near field or transition region reads at most
// 20 dB below the axis at the same slant distance, for every direction, also
// behind the dish, and at every distance up to the far-field limit.
TEST(ApertureModel, NoPointReadsMoreThanTwentyDecibelsBelowTheAxis)
{
    constexpr double RadiansPerDegree = 3.14159265358979323846 / 180.0;
    const double pd = 10, ha = 6;
    for (const Dish &dish : Dishes) {
        const double b = FarFieldLimit(dish.f, dish.n);
        int checked = 0;
        for (double r = b / 50; r <= b; r += b / 50) {
            const double axis = FieldStrength(dish.pattern, dish.n, dish.f, 0, r, ha, pd, ha);
            for (double angle = -179; angle <= 179; angle += 2) {
                // A point level with the antenna, r away, with the beam tilted
                // so that the point lies `angle` off the axis.
                if (r * std::cos(angle * RadiansPerDegree) > b)
                    continue; // far field: the pattern speaks there
                const double e = FieldStrength(dish.pattern, dish.n, dish.f, -angle, r, ha, pd, ha);
                EXPECT_GE(e, axis * std::pow(10.0, -MaxOffAxisLoss / 20) * (1 - 1e-12))
                    << dish.name << ", " << angle << "° at " << r << " m";
                ++checked;
            }
        }
        EXPECT_GT(checked, 1000) << dish.name;
    }
}

// Behind the aperture's plane, with the beam tilted back past the vertical, the
// points are in the near field and get the same floor.
TEST(ApertureModel, BehindTheApertureThePointsGetTheSameFloor)
{
    const Dish &dish = ThreeCentimetreDish;
    const double pd = 10;
    const double diameter = Wavelength(dish.f) * dish.n;
    const double floor = ApertureNearField(pd, MaxOffAxisLoss, diameter);
    // Tilt 100°: the beam points up and back; a point level with the antenna
    // and 5 m away is 100° off the axis.
    EXPECT_DOUBLE_EQ(FieldStrength(dish.pattern, dish.n, dish.f, 100, 5, 6, pd, 6), floor);
}

} // namespace

// The regions along the axis of "Parabolic dish 1,2 m" (N = 5) at 1270 MHz with
// 10 dBW: the near field includes its limit A = 1,4764 m, the transition region
// includes B = 3,5433 m, and the far field starts right after B. Values worked
// out by hand from the three formulas.
TEST(ApertureModel, RegionBoundariesOnTheAxis)
{
    const Dish &dish = Dishes[1];
    const double a = NearFieldLimit(dish.f, dish.n);
    const double b = FarFieldLimit(dish.f, dish.n);
    EXPECT_NEAR(a, 1.4763779527559056, 1e-12);
    EXPECT_NEAR(b, 3.543307086614173, 1e-12);
    const struct {
        const char *region;
        double d;
        double expected;
    } cases[] = {
        {"near field", 1.0, 82.9776529487843},
        {"near field at A", a, 82.9776529487843},
        {"transition", 3.5, 53.89275947480816},
        {"transition at B", b, 53.56240230554209},
        {"far field just after B", b * 1.0001, 60.13238193682169},
        {"far field", 3.6, 59.191333833676545},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(FieldStrength(dish.pattern, dish.n, dish.f, 0, c.d, 8, 10, 8), c.expected,
                    c.expected * 1e-9)
            << c.region;
}
