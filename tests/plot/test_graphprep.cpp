#include "exposure/engine/engine.h"
#include "exposure/graphprep.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

constexpr double Pi = 3.14159265358979323846;
const AntennaPattern Yagi = {8, 6, 2, -3, -10, -20, -25, -25, -30, -30};

TGraphData Prepared(double tilt, int n = 0, double f = 145, double power = 20, double ha = 10)
{
    TGraphData g;
    g.info.pattern = Yagi;
    g.info.apertureSize = n;
    g.info.frequency = f;
    g.info.tilt = tilt;
    g.info.antennaPower = power;
    g.info.antennaHeight = ha;
    PrepGraph(g);
    return g;
}

// Levels by the truncated frequency, with no lower bound and √f of the
// untruncated frequency in the middle band.
struct LevelCase {
    const char *reason;
    double f;
    LimitLevels expected;
};

class ContourLevelsTest : public testing::TestWithParam<LevelCase>
{
};

TEST_P(ContourLevelsTest, FollowTheBandOfTheTruncatedFrequency)
{
    const LevelCase &c = GetParam();
    const LimitLevels l = ContourLevels(c.f);
    EXPECT_NEAR(l.low, c.expected.low, 1e-9) << c.reason;
    EXPECT_NEAR(l.warning, c.expected.warning, 1e-9) << c.reason;
    EXPECT_NEAR(l.limit, c.expected.limit, 1e-9) << c.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Bands, ContourLevelsTest,
    testing::Values(LevelCase{"below 10 MHz still low band", 3.6, {13.7, 12.26, 3.07}},
                    LevelCase{"2 m", 145, {13.7, 12.26, 3.07}},
                    LevelCase{"400,9 truncates to 400", 400.9, {13.7, 12.26, 3.07}},
                    LevelCase{"401 middle band",
                              401,
                              {0.686 * std::sqrt(401.0), 0.614 * std::sqrt(401.0),
                               0.154 * std::sqrt(401.0)}},
                    LevelCase{"2000,5 middle band with its own root",
                              2000.5,
                              {0.686 * std::sqrt(2000.5), 0.614 * std::sqrt(2000.5),
                               0.154 * std::sqrt(2000.5)}},
                    LevelCase{"2001 high band", 2001, {30.7, 27.48, 6.88}}));

// The beam-axis point of every contour lies where the far field of the main
// beam equals the contour's level.
TEST(PrepGraph, BeamAxisPointIsWhereTheFarFieldEqualsTheLevel)
{
    for (const double tilt : {0.0, 10.0, -15.0}) {
        const TGraphData g = Prepared(tilt);
        const double g0 = g.info.patternTable[0];
        for (int level = 0; level < GraphLevelCount; ++level) {
            const TCurvePoint p = g.contours[level][90];
            const double r = std::hypot(p.x, p.y - g.info.antennaHeight);
            const double e = FarFieldStrength(r, DbToWatt(g.info.antennaPower + g0));
            EXPECT_NEAR(e, LevelValue(g.levels, GraphLevel(level)), 1e-9)
                << "tilt " << tilt << " level " << level;
            EXPECT_NEAR(std::atan2(p.y - g.info.antennaHeight, p.x) * 180 / Pi, tilt, 1e-9);
        }
    }
}

TEST(PrepGraph, ContoursRunFromAboveTheAntennaToBelowIt)
{
    const TGraphData g = Prepared(0);
    const TCurve &low = g.contours[LevelLow];
    EXPECT_NEAR(low[0].x, 0, 1e-9);
    EXPECT_GT(low[0].y, g.info.antennaHeight);
    EXPECT_NEAR(low[180].x, 0, 1e-9);
    EXPECT_LT(low[180].y, g.info.antennaHeight);
    // The envelope table, not the plain pattern, sets the radius off the beam.
    const double r45 = std::hypot(low[45].x, low[45].y - g.info.antennaHeight);
    EXPECT_NEAR(r45, ContourRadius(20, g.info.patternTable[45], g.levels.low), 1e-9);
    // The lower levels lie outside the higher ones.
    EXPECT_GT(low[90].x, g.contours[LevelWarning][90].x);
    EXPECT_GT(g.contours[LevelWarning][90].x, g.contours[LevelLimit][90].x);
}

TEST(PrepGraph, PositiveTiltTurnsTheContourUpwards)
{
    const TGraphData flat = Prepared(0);
    const TGraphData tilted = Prepared(10);
    EXPECT_NEAR(flat.contours[LevelLow][90].y, 10, 1e-9);
    EXPECT_GT(tilted.contours[LevelLow][90].y, 10);
    EXPECT_LT(Prepared(-10).contours[LevelLow][90].y, 10);
}

TEST(PrepGraph, RangeCoversTheDrawnLowLevelContour)
{
    const TGraphData g = Prepared(20);
    EXPECT_EQ(g.range.minY, 0);
    double maxX = 0, maxY = 0;
    for (const TCurvePoint &p : g.contours[LevelLow]) {
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    EXPECT_NEAR(g.range.maxX, maxX, 1e-9);
    EXPECT_NEAR(g.range.maxY, maxY, 1e-9);
}

// An aperture's contours follow the engine: each contour point reads the level
// (or more) and a point a centimetre farther out on its ray reads less, in the
// near field, the transition region and the far field alike. Where the field
// drops from the transition region into a weak side of the far-field pattern,
// the contour stands on the far-field limit.
TEST(PrepGraph, ApertureContoursLieWhereTheEngineReadsTheLevel)
{
    const AntennaPattern dish = {33.9, 13.9, 6.4, 2, -1.2, -3.1, -3.1, -3.1, -3.1, -3.1};
    for (const double power : {-3.0, 10.0}) {
        TGraphData g;
        g.info.pattern = dish;
        g.info.apertureSize = 21;
        g.info.frequency = 10250;
        g.info.tilt = 10;
        g.info.antennaPower = power;
        g.info.antennaHeight = 6;
        PrepGraph(g);
        for (int level = 0; level < GraphLevelCount; ++level) {
            const double value = LevelValue(g.levels, GraphLevel(level));
            for (int i = 5; i <= 175; i += 5) {
                const TCurvePoint p = g.contours[level][i];
                if (p.x <= 0)
                    continue; // behind the mast the engine sees the mirrored point
                const double dx = p.x, dy = p.y - 6;
                const double r = std::hypot(dx, dy);
                const auto at = [&](double scale) {
                    return FieldStrength(dish, 21, 10250, 10, dx * scale, 6 + dy * scale, power, 6);
                };
                // Just inside: a contour point may lie exactly where a region ends.
                EXPECT_GE(at(1 - 1e-9), value * (1 - 1e-6))
                    << power << " dBW, level " << level << ", i " << i;
                EXPECT_LT(at((r + 0.01) / r), value)
                    << power << " dBW, level " << level << ", i " << i;
            }
        }
        // The range is that of the far field, which reaches farther along the beam.
        EXPECT_GE(g.range.maxX, g.contours[LevelLow][90].x - 1e-9);
    }
}

// The safety distance is drawn as a half circle around the antenna, from
// straight above it to straight below, and the range takes it in.
TEST(PrepGraph, SafetyArcAroundTheAntenna)
{
    TGraphData g;
    g.info.pattern = Yagi;
    g.info.frequency = 145;
    g.info.tilt = 10;
    g.info.antennaPower = 20;
    g.info.antennaHeight = 10;
    g.info.txPower = 100;
    PrepGraph(g);
    // √(30 × 10^((20 + 8)/10)) / 13,7: the 8 dBi main beam.
    ASSERT_TRUE(g.info.safetyDistance.has_value());
    EXPECT_NEAR(*g.info.safetyDistance, std::sqrt(30 * std::pow(10.0, 2.8)) / 13.7, 1e-9);
    const double r = *g.info.safetyDistance;
    EXPECT_NEAR(g.safetyArc[0].x, 0, 1e-9);
    EXPECT_NEAR(g.safetyArc[0].y, 10 + r, 1e-9);
    EXPECT_NEAR(g.safetyArc[90].x, r, 1e-9);
    EXPECT_NEAR(g.safetyArc[180].y, 10 - r, 1e-9);
    for (const TCurvePoint &p : g.safetyArc)
        EXPECT_NEAR(std::hypot(p.x, p.y - 10), r, 1e-9);
    EXPECT_GE(g.range.maxY, 10 + r);

    // Without a transmitter power, and below 10 MHz, there is none.
    g = TGraphData();
    g.info.pattern = Yagi;
    g.info.frequency = 145;
    g.info.antennaPower = 20;
    PrepGraph(g);
    EXPECT_FALSE(g.info.safetyDistance.has_value());
    g.info.txPower = 100;
    g.info.frequency = 7.1;
    PrepGraph(g);
    EXPECT_FALSE(g.info.safetyDistance.has_value());
}

TEST(PrepPoint, PointsGrowTheRangeAndCarryTheirVerdict)
{
    TGraphData g = Prepared(0);
    const TGraphRange before = g.range;
    PrepPoint(g, before.maxX + 50, 3, 0.5, QStringLiteral("Far garden"));
    PrepPoint(g, 5, before.maxY + 7, 20.0, QStringLiteral("Roof"));
    PrepPoint(g, 2, -4, 3.07, QStringLiteral("Cellar"));
    ASSERT_EQ(g.points.size(), 3);
    EXPECT_EQ(g.range.maxX, before.maxX + 50);
    EXPECT_EQ(g.range.maxY, before.maxY + 7);
    EXPECT_EQ(g.range.minY, -4);
    const int numbers[] = {1, 2, 3};
    const int verdicts[] = {VerdictBelowLow, VerdictAboveLimit, VerdictBelowWarning};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(g.points[i].number, numbers[i]);
        EXPECT_EQ(g.points[i].colour, VerdictColour(verdicts[i])) << i;
    }
    PrepPoint(g, 1, 1, 1.005, QString());
    EXPECT_DOUBLE_EQ(g.points.last().fieldStrength, 1.0); // 2 decimals, half to even

    const TGraphView v = BaseView(g.range);
    EXPECT_DOUBLE_EQ(v.xMax, g.range.maxX * 1.1);
    EXPECT_DOUBLE_EQ(v.yMax, g.range.maxY * 1.1);
    EXPECT_DOUBLE_EQ(v.yMin, -4.4);
    EXPECT_LT(v.xMin, 0);
    EXPECT_GT(v.xMin, -0.05 * v.xMax);
}

TEST(Zoom, BarsScaleTheBaseMaximum)
{
    const struct {
        int position;
        int centre;
        double factor;
    } cases[] = {
        {ZoomXCentre, ZoomXCentre, 1.0},   {ZoomXMaximum, ZoomXCentre, 0.25},
        {ZoomXMinimum, ZoomXCentre, 1.74}, {ZoomYCentre, ZoomYCentre, 1.0},
        {ZoomYMinimum, ZoomYCentre, 1.99}, {150, ZoomYCentre, 0.5},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(ZoomedMaximum(200, c.position, c.centre), 200 * c.factor, 1e-9) << c.position;
}

TEST(BeamAxis, RisesByTheTangentOfTheTiltAndStaysInView)
{
    const struct {
        double tilt;
        TCurvePoint end;
    } cases[] = {
        {0, {100, 10}},
        {10, {100, 10 + 100 * std::tan(10 * Pi / 180)}},
        {-5, {100, 10 - 100 * std::tan(5 * Pi / 180)}},
        {60, {(50 - 10) / std::tan(60 * Pi / 180), 50}}, // leaves through the top
        {90, {0, 50}},
        {-90, {0, -5}},
    };
    for (const auto &c : cases) {
        const TCurvePoint p = BeamAxisEnd(10, c.tilt, 100, -5, 50);
        EXPECT_NEAR(p.x, c.end.x, 1e-9) << c.tilt;
        EXPECT_NEAR(p.y, c.end.y, 1e-9) << c.tilt;
    }
}

TEST(GuideLines, NoneForAnOrdinaryAntenna)
{
    EXPECT_TRUE(GuideLines(Prepared(0, 0).info, -5, 50, 100).isEmpty());
}

TEST(GuideLines, NearAndFarFieldLimitsOfAnAperture)
{
    const TGraphInfo info = Prepared(0, 5, 1270).info;
    // A = D²/(4λ) = λ × N²/4; it lies before B whatever the frequency.
    EXPECT_NEAR(info.nearFieldLimit, (300.0 / 1270) * 25 / 4, 1e-12);
    EXPECT_NEAR(info.farFieldLimit, 0.6 * (300.0 / 1270) * 25, 1e-12);
}

// Each guide line passes through its beam-axis point, stands perpendicular to
// the axis and ends on the edges the tilt asks for.
TEST(GuideLines, PerpendicularToTheAxisThroughTheLimits)
{
    const double yMin = -5, yMax = 50, xMax = 100;
    for (const double tilt : {0.0, 30.0, -30.0, 90.0}) {
        const TGraphInfo info = Prepared(tilt, 8, 1270).info;
        const QVector<TGuideLine> lines = GuideLines(info, yMin, yMax, xMax);
        ASSERT_EQ(lines.size(), 2) << tilt;
        for (const TGuideLine &line : lines) {
            const double dist = line.farField ? info.farFieldLimit : info.nearFieldLimit;
            const double t = tilt * Pi / 180;
            const double px = dist * std::cos(t), py = 10 + dist * std::sin(t);
            const double dx = line.to.x - line.from.x, dy = line.to.y - line.from.y;
            EXPECT_NEAR(dx * std::cos(t) + dy * std::sin(t), 0, 1e-9) << tilt;
            // Through the axis point: the cross product with the line is zero.
            EXPECT_NEAR((px - line.from.x) * dy - (py - line.from.y) * dx, 0, 1e-6) << tilt;
            if (tilt == 0) {
                EXPECT_DOUBLE_EQ(line.from.y, yMin);
                EXPECT_DOUBLE_EQ(line.to.y, yMax);
            } else if (tilt == 90) {
                EXPECT_DOUBLE_EQ(line.from.x, GuideLeftX);
                EXPECT_DOUBLE_EQ(line.to.x, xMax);
            } else {
                EXPECT_DOUBLE_EQ(line.from.y, tilt > 0 ? yMin : yMax) << tilt;
                EXPECT_DOUBLE_EQ(line.to.x, GuideLeftX) << tilt;
            }
        }
    }
}

} // namespace
