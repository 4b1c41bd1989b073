#include "exposure/graphprep.h"

#include "base/numberformat.h"
#include "exposure/engine/engine.h"
#include "exposure/engine/fieldreach.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace
{

constexpr double RadiansPerDegree = 3.14159265358979323846 / 180.0;

// The point at angle index i of a contour of radius r.
TCurvePoint ContourPoint(int i, double tilt, double ha, double r)
{
    const double a = (i - tilt) * RadiansPerDegree;
    return {std::sin(a) * r, ha + std::cos(a) * r};
}

void GrowOverCurve(TGraphRange &range, const TCurve &curve)
{
    for (const TCurvePoint &p : curve) {
        range.maxX = std::max(range.maxX, p.x);
        range.maxY = std::max(range.maxY, p.y);
    }
}

// The far-field contour of one level through a pattern table: each point at
// the closed-form distance of its ray's gain.
TCurve FarFieldContour(const TGraphInfo &info, const PatternTable &table, double level)
{
    TCurve curve;
    for (int i = 0; i < CurvePointCount; ++i) {
        const double r = ContourRadius(info.antennaPower, table[std::abs(i - 90)], level);
        curve[i] = ContourPoint(i, info.tilt, info.antennaHeight, r);
    }
    return curve;
}

// The contour of one level. A wire antenna's field is the far field everywhere.
// An aperture is followed along each ray through its near field, transition
// region and far field as the engine computes them; rays along the aperture's
// plane, where the near field never ends, stop where the beam itself ends.
TCurve Contour(const TGraphInfo &info, const PatternTable &table, double level)
{
    const int n = std::max(info.apertureSize, 0);
    if (n == 0)
        return FarFieldContour(info, table, level);
    const double gmax = *std::max_element(table.begin(), table.end());
    const double beamReach = FieldReach(info.pattern, n, info.frequency, 0.0, info.antennaPower,
                                        level, std::numeric_limits<double>::infinity());
    const double cap = std::max(ContourRadius(info.antennaPower, gmax, level), beamReach);
    TCurve curve;
    for (int i = 0; i < CurvePointCount; ++i) {
        const double r =
            FieldReach(info.pattern, n, info.frequency, 90.0 - i, info.antennaPower, level, cap);
        curve[i] = ContourPoint(i, info.tilt, info.antennaHeight, r);
    }
    return curve;
}

bool IsZero(double value)
{
    return std::fabs(value) < 1e-9;
}

} // namespace

LimitLevels ContourLevels(double f)
{
    const double whole = std::trunc(f);
    if (whole <= 400)
        return LowBandLevels();
    if (whole <= 2000)
        return MiddleBandLevels(f);
    return HighBandLevels();
}

double LevelValue(const LimitLevels &levels, GraphLevel level)
{
    switch (level) {
    case LevelLow:
        return levels.low;
    case LevelWarning:
        return levels.warning;
    default:
        return levels.limit;
    }
}

double ContourRadius(double pd, double g, double level)
{
    return std::sqrt(30.0 * DbToWatt(pd + g)) / level;
}

void PrepGraph(TGraphData &g)
{
    TGraphInfo &info = g.info;
    const PatternTable plain = BuildPatternTable(info.pattern);
    BuildEnvelopeTable(info.pattern, info.patternTable);
    const int n = std::max(info.apertureSize, 0);
    info.nearFieldLimit = n > 0 ? NearFieldLimit(info.frequency, n) : 0.0;
    info.farFieldLimit = n > 0 ? FarFieldLimit(info.frequency, n) : 0.0;
    g.levels = ContourLevels(info.frequency);

    for (int level = 0; level < GraphLevelCount; ++level) {
        const double value = LevelValue(g.levels, static_cast<GraphLevel>(level));
        g.contours[level] = Contour(info, info.patternTable, value);
    }

    // The safety distance as a half circle on the side of the points.
    if (info.txPower > 0)
        info.safetyDistance = SafetyDistance(info.pattern, n, info.frequency, info.antennaPower);
    if (info.safetyDistance) {
        for (int i = 0; i < CurvePointCount; ++i)
            g.safetyArc[i] = ContourPoint(i, 0.0, info.antennaHeight, *info.safetyDistance);
        GrowOverCurve(g.range, g.safetyArc);
    }

    // The range covers the far-field contours of the low level through both
    // tables: for a wire antenna the drawn one (envelope table) lies on or
    // outside the plain one; an aperture's drawn contour lies inside them but
    // along the aperture's plane, whose near field the view may cut.
    GrowOverCurve(g.range, FarFieldContour(info, plain, g.levels.low));
    GrowOverCurve(g.range, FarFieldContour(info, info.patternTable, g.levels.low));
}

void PrepPoint(TGraphData &g, double d, double h, double e, const QString &description)
{
    TGraphPoint p;
    p.number = g.points.size() + 1;
    p.x = d;
    p.y = h;
    p.fieldStrength = RoundHalfEven(e, 2);
    p.colour = VerdictColour(LimitVerdict(e, g.info.frequency));
    p.description = description;
    g.points.append(p);
    g.range.maxX = std::max(g.range.maxX, d);
    g.range.maxY = std::max(g.range.maxY, h);
    g.range.minY = std::min(g.range.minY, h);
}

TGraphView BaseView(const TGraphRange &range)
{
    TGraphView v;
    v.xMax = range.maxX * 1.1;
    v.yMax = range.maxY * 1.1;
    v.yMin = range.minY * 1.1;
    v.xMin = -0.02 * std::max(v.xMax, 1.0);
    return v;
}

double ZoomedMaximum(double baseMaximum, int position, int centre)
{
    return baseMaximum * (1.0 + (centre - position) / 100.0);
}

TCurvePoint BeamAxisEnd(double ha, double tilt, double maxX, double yMin, double yMax)
{
    const double a = tilt * RadiansPerDegree;
    const double c = std::cos(a);
    const double s = std::sin(a);
    if (std::fabs(c) < 1e-12)
        return {0.0, s > 0 ? yMax : yMin};
    const double y = ha + maxX * s / c;
    if (y > yMax && s > 0)
        return {(yMax - ha) * c / s, yMax};
    if (y < yMin && s < 0)
        return {(yMin - ha) * c / s, yMin};
    return {maxX, y};
}

QVector<TGuideLine> GuideLines(const TGraphInfo &info, double yMin, double yMax, double xMax)
{
    QVector<TGuideLine> lines;
    if (info.apertureSize <= 0)
        return lines;
    const double a = info.tilt * RadiansPerDegree;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double ha = info.antennaHeight;
    for (const bool farField : {false, true}) {
        const double distance = farField ? info.farFieldLimit : info.nearFieldLimit;
        const TCurvePoint p{distance * c, ha + distance * s};
        TGuideLine line;
        line.farField = farField;
        if (IsZero(info.tilt)) {
            line.from = {p.x, yMin};
            line.to = {p.x, yMax};
        } else if (IsZero(c) || IsZero(std::fabs(info.tilt) - 90.0)) {
            line.from = {GuideLeftX, p.y};
            line.to = {xMax, p.y};
        } else {
            // Points on the perpendicular: p + k × (−sin t, cos t).
            const double yEdge = s > 0 ? yMin : yMax;
            const double kEdge = (yEdge - p.y) / c;
            const double kLeft = (p.x - GuideLeftX) / s;
            line.from = {p.x - kEdge * s, yEdge};
            line.to = {GuideLeftX, p.y + kLeft * c};
        }
        lines.append(line);
    }
    return lines;
}
