#include "exposure/engine/engine.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{

const AntennaPattern Yagi = {8, 6, 2, -3, -10, -20, -25, -25, -30, -30};
const double NaN = std::numeric_limits<double>::quiet_NaN();

struct Geometry {
    int n;
    double f, t, d, hp, pd, ha;
};

double Compute(const Geometry &g)
{
    return FieldStrength(Yagi, g.n, g.f, g.t, g.d, g.hp, g.pd, g.ha);
}

// The three worked examples: far field, transition and near field.
struct WorkedCase {
    const char *reason;
    Geometry g;
    double expected;  // as written in the hand calculation
    double tolerance; // half a unit of its last written digit
    int verdict;
};

class WorkedExample : public testing::TestWithParam<WorkedCase>
{
};

TEST_P(WorkedExample, MatchesTheHandCalculation)
{
    const WorkedCase &c = GetParam();
    const double e = Compute(c.g);
    EXPECT_NEAR(e, c.expected, c.tolerance) << c.reason;
    EXPECT_EQ(LimitVerdict(e, c.g.f), c.verdict) << c.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Regions, WorkedExample,
    testing::Values(
        WorkedCase{"far field, wire antenna", {0, 145, 0, 8, 1.5, 20, 10}, 0.6798, 5e-5, 4},
        // x = 9.3271 m lies between A = 5.7870 m and B = 13.8889 m; the off-axis
        // loss of 36.6353 dB is held at 20 dB:
        // √(10^((10 − 20)/10) × 240.13 / (0.231481 × 10.4403)) = 3.15216 V/m,
        // below the low level 0.154 × 36 = 5.544 V/m: verdict 4.
        WorkedCase{"transition, N = 10", {10, 1296, 10, 10, 2, 10, 5}, 3.15216, 5e-6, 4},
        WorkedCase{"near field, N = 10", {10, 1296, 0, 3, 5, 10, 5}, 42.338, 5e-4, 1}));

TEST(FieldStrength, FarFieldUsesTheEnvelopeEntryOfTheRoundedAngle)
{
    PatternTable table{};
    const double e = FieldStrength(Yagi, 0, table, 145, 0, 8, 1.5, 20, 10);
    EXPECT_EQ(table, BuildEnvelopeTable(Yagi));
    EXPECT_NEAR(OffBeamAngle(0, 8, 1.5, 10), -46.7357, 1e-4);
    EXPECT_NEAR(SlantDistance(8, 1.5, 10), 11.6726, 1e-4);
    EXPECT_DOUBLE_EQ(e, FarFieldStrength(SlantDistance(8, 1.5, 10), DbToWatt(20 + table[47])));
}

TEST(FieldStrength, TableIndexRoundsHalvesToEven)
{
    const struct {
        double h;
        int index;
    } rows[] = {
        {0.0, 0},    {0.49, 0},  {0.5, 0},   {1.5, 2},   {2.5, 2},   {46.7357, 47}, {88.5, 88},
        {89.49, 89}, {89.5, 90}, {90.0, 90}, {90.2, 90}, {90.5, 90}, {90.7, 90},    {90.99, 90},
    };
    for (const auto &row : rows)
        EXPECT_EQ(PatternTableIndex(row.h), row.index) << "h = " << row.h;
}

// A pattern whose last entries differ, so that the entry used can be told apart.
const AntennaPattern Steep = {0, 0, 0, 0, 0, 0, 0, 0, -20, -40};

TEST(FieldStrength, AnglesNearNinetyDegrees)
{
    const PatternTable table = BuildEnvelopeTable(Steep);
    // The point level with the antenna at 10 m; the tilt sets the off-beam angle.
    const auto at = [](double angle) { return FieldStrength(Steep, 0, 1000, -angle, 10, 5, 0, 5); };
    const auto withEntry = [&](int k) { return FarFieldStrength(10, DbToWatt(table[k])); };

    EXPECT_DOUBLE_EQ(at(88.5), withEntry(88));
    EXPECT_DOUBLE_EQ(at(89.5), withEntry(90));
    EXPECT_DOUBLE_EQ(at(90.2), withEntry(90));
    EXPECT_DOUBLE_EQ(at(90.7), withEntry(90));
    EXPECT_DOUBLE_EQ(at(-89.5), withEntry(90));
    EXPECT_EQ(at(91.0), OutOfPatternValue);
    EXPECT_EQ(at(-91.0), OutOfPatternValue);
    EXPECT_EQ(at(179.0), OutOfPatternValue);
    EXPECT_EQ(LimitVerdict(OutOfPatternValue, 10), VerdictAboveLimit);
    EXPECT_EQ(SummaryClass(OutOfPatternValue, 10), 4);
}

// The near-field limit carries the wavelength, so the transition region exists
// at every frequency: N = 10 at 10 GHz has A = 0.75 m and B = 1.8 m.
TEST(FieldStrength, ApertureRegionsAtTenGigahertz)
{
    const double lambda = Wavelength(10000);
    const double diameter = lambda * 10;
    EXPECT_NEAR(NearFieldLimit(10000, 10), 0.75, 1e-12);
    EXPECT_NEAR(FarFieldLimit(10000, 10), 1.8, 1e-12);
    const double pd = 0;
    const double nearField = std::sqrt(DbToWatt(pd) * 960.5) / diameter;
    const auto onAxis = [](double x) { return FieldStrength(Yagi, 10, 10000, 0, x, 5, 0, 5); };

    EXPECT_DOUBLE_EQ(onAxis(0.5), nearField);
    EXPECT_DOUBLE_EQ(onAxis(0.75), nearField);
    EXPECT_DOUBLE_EQ(onAxis(1.2), std::sqrt(DbToWatt(pd) * 240.13 / (lambda * 1.2)));
    EXPECT_DOUBLE_EQ(onAxis(1.79), std::sqrt(DbToWatt(pd) * 240.13 / (lambda * 1.79)));
    EXPECT_DOUBLE_EQ(onAxis(1.81), FarFieldStrength(1.81, DbToWatt(pd + Yagi[0])));
}

TEST(FieldStrength, OffAxisLossBeyondTheRimStopsAtTwentyDecibels)
{
    const struct {
        double diameter, theta, r, loss;
    } rows[] = {
        {2, 0, 100, 0},                 // on the axis
        {2, 90, 1, 0},                  // exactly on the rim
        {2, 90, 2, 12},                 // half a diameter beyond the rim
        {2, -90, 2.5, 18},              // below the axis counts the same
        {2, 90, 1 + 2 * 20.0 / 24, 20}, // where the floor is reached
        {2, 90, 3, 20},                 // one diameter beyond: 24 dB, held at 20
        {2, 180, 1000, 0},              // behind the dish on its axis line
        {2, 45, 1000, 20},
        {2.31481, 26.6992, 10.4403, 20},
    };
    for (const auto &row : rows)
        EXPECT_NEAR(OffAxisLoss(row.diameter, row.theta, row.r), row.loss, 1e-9)
            << row.theta << "° at " << row.r << " m";
}

// Inputs the data store never holds but other callers can reach: every one
// gives a finite, non-negative result or the out-of-pattern value.
TEST(FieldStrength, UnusualInputsGiveASoundResult)
{
    // A negative aperture size is no aperture: the wire-antenna result.
    EXPECT_DOUBLE_EQ(Compute({-10, 1296, 0, 3, 5, 10, 5}), Compute({0, 1296, 0, 3, 5, 10, 5}));
    EXPECT_DOUBLE_EQ(Compute({-1, 145, 0, 8, 1.5, 20, 10}), Compute({0, 145, 0, 8, 1.5, 20, 10}));

    // Straight above or below the mast: 90° off a horizontal beam, entry 90.
    const PatternTable table = BuildEnvelopeTable(Yagi);
    EXPECT_DOUBLE_EQ(OffBeamAngle(0, 0, 15, 10), 90.0);
    EXPECT_DOUBLE_EQ(OffBeamAngle(0, 0, 5, 10), -90.0);
    EXPECT_DOUBLE_EQ(Compute({0, 145, 0, 0, 15, 20, 10}),
                     FarFieldStrength(5, DbToWatt(20 + table[90])));
    // ...and within the pattern when the beam is tilted towards the point.
    EXPECT_DOUBLE_EQ(Compute({0, 145, -30, 0, 5, 20, 10}),
                     FarFieldStrength(5, DbToWatt(20 + table[60])));

    // On the antenna itself a wire antenna has no finite field strength...
    EXPECT_EQ(Compute({0, 145, 0, 0, 10, 20, 10}), OutOfPatternValue);
    // ...while an aperture antenna there is in its near field.
    EXPECT_DOUBLE_EQ(Compute({10, 1296, 0, 0, 5, 10, 5}), Compute({10, 1296, 0, 3, 5, 10, 5}));

    // A negative horizontal distance is the same point seen from the other side.
    EXPECT_DOUBLE_EQ(Compute({0, 145, 0, -8, 1.5, 20, 10}), Compute({0, 145, 0, 8, 1.5, 20, 10}));
    EXPECT_DOUBLE_EQ(Compute({10, 1296, 10, -10, 2, 10, 5}), Compute({10, 1296, 10, 10, 2, 10, 5}));

    // Inputs that are not numbers never come back as a small value.
    EXPECT_EQ(Compute({0, 145, 0, 8, 1.5, NaN, 10}), OutOfPatternValue);
    EXPECT_EQ(Compute({0, 145, NaN, 8, 1.5, 20, 10}), OutOfPatternValue);
    EXPECT_EQ(Compute({10, NaN, 0, 3, 5, 10, 5}), OutOfPatternValue);
    EXPECT_EQ(Compute({10, -1296, 0, 3, 5, 10, 5}), OutOfPatternValue);
}

TEST(FieldStrength, ApertureSizeFromCatalogueText)
{
    const struct {
        const char *text;
        int n;
    } rows[] = {
        {"10", 10}, {"0", 0},   {"", 0},  {"1,5", 0}, {"1.5", 0},   {" 3 ", 3},         {"+4", 4},
        {"-2", -2}, {"+-4", 0}, {"+", 0}, {"abc", 0}, {"12abc", 0}, {"99999999999", 0},
    };
    for (const auto &row : rows)
        EXPECT_EQ(ApertureSizeFromText(row.text), row.n) << '"' << row.text << '"';
}

TEST(Units, Conversions)
{
    EXPECT_DOUBLE_EQ(DbToWatt(20), 100.0);
    EXPECT_DOUBLE_EQ(DbToWatt(-10), 0.1);
    EXPECT_NEAR(WattToDb(100), 20.0, 1e-12);
    EXPECT_NEAR(WattToDb(0.5), -3.0103, 1e-4);
    EXPECT_NEAR(WattToDb(DbToWatt(7.3)), 7.3, 1e-12);
    EXPECT_DOUBLE_EQ(Wavelength(300), 1.0);
    EXPECT_NEAR(Wavelength(1296), 0.231481, 1e-6);
    // 20 m of cable losing 6 dB per 100 m at 100 MHz, used at 400 MHz.
    EXPECT_NEAR(CableSectionLoss(20, 6, 400), 2.4, 1e-12);
    EXPECT_NEAR(CableSectionLoss(20, 6, 100), 1.2, 1e-12);
}

} // namespace
