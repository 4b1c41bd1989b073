#pragma once

#include "exposure/graphinfo.h"

#include <QString>
#include <QVector>

// The computations behind the field-strength plot, free of any widget: the
// contour levels, the contours themselves, the points, the visible range, the
// zoom and the guide lines of aperture antennas.

// The three contour levels at f MHz. The band follows the frequency truncated
// to whole MHz with no lower bound: up to 400 low, up to 2000 middle (√f of the
// untruncated f), above 2000 high.
LimitLevels ContourLevels(double f);

// The level of one contour.
double LevelValue(const LimitLevels &levels, GraphLevel level);

// Distance in m at which the far field of pd dBW through gain g dBi equals
// `level` V/m: √(30 × 10^((pd + g)/10)) / level.
double ContourRadius(double pd, double g, double level);

// Fills the tables, the near- and far-field limits, the levels and the three
// contours of g.info, and grows g.range over the drawn low-level contour (and,
// for a wire antenna, over the one of the plain pattern table). A wire
// antenna's contours are far-field circles through its envelope table; an
// aperture's follow the engine through its near field and transition region.
// With a transmitter power, also the safety distance and its half circle,
// which the range covers too.
void PrepGraph(TGraphData &g);

// Adds one critical test point at distance d and height h with field strength
// e (V/m): running number, rounded value, verdict colour; grows the range.
void PrepPoint(TGraphData &g, double d, double h, double e, const QString &description);

// What the chart shows: X from xMin to xMax, Y from yMin to yMax, in m.
struct TGraphView {
    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
    double yMax = 0;
};

// The base view: the range enlarged by 10 %, X starting slightly left of the
// mast (2 % of the width) so that the mast and points near it stay visible.
TGraphView BaseView(const TGraphRange &range);

// Zoom bars. The horizontal bar runs 1..150 from its centre 75, the vertical
// one 1..200 from 100; the maximum becomes base × (1 + (centre − position)/100).
constexpr int ZoomXMinimum = 1;
constexpr int ZoomXMaximum = 150;
constexpr int ZoomXCentre = 75;
constexpr int ZoomYMinimum = 1;
constexpr int ZoomYMaximum = 200;
constexpr int ZoomYCentre = 100;
double ZoomedMaximum(double baseMaximum, int position, int centre);

// The end of the beam axis drawn from the antenna (0, ha) to X = maxX at the
// height ha + maxX × tan t; a steep axis that leaves the view through its top
// or bottom first ends there, so that a tilt of ±90° draws a vertical axis.
TCurvePoint BeamAxisEnd(double ha, double tilt, double maxX, double yMin, double yMax);

// Guide lines of an aperture antenna: through the beam-axis points at the
// axial distances A (near field) and B (far field), perpendicular to the axis.
struct TGuideLine {
    TCurvePoint from;
    TCurvePoint to;
    bool farField = false; // B (drawn blue) rather than A (drawn red)
};

// The X where slanted and horizontal guide lines start on the left.
constexpr double GuideLeftX = -10.0;

// None for N = 0. Tilt 0: vertical from yMin to yMax; ±90°: horizontal from
// X = −10 to xMax; otherwise from where the line meets yMin (yMax for a
// negative tilt) to where it meets X = −10.
QVector<TGuideLine> GuideLines(const TGraphInfo &info, double yMin, double yMax, double xMax);
