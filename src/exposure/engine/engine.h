#pragma once

// The field-strength engine: pure functions of their arguments, no state kept
// between calls, no allocation. Units: f in MHz, distances and heights in m,
// angles in degrees, powers in dBW, gains in dBi, field strength in V/m (RMS).
//
// Geometry: a vertical plane through the mast. A point lies at horizontal
// distance d from the mast and height hp; the antenna at height ha with its main
// beam tilted by t (a positive tilt raises the beam).

#include "exposure/engine/aperturesize.h"
#include "exposure/engine/limits.h"
#include "exposure/engine/patterntable.h"
#include "exposure/engine/units.h"

// The result for a point 91° or more away from the main beam in the far field,
// where the pattern says nothing. It is an ordinary result that classifies above
// every limit. The engine also returns it wherever no finite, non-negative field
// strength can be computed (a point on the antenna itself, inputs that are not
// numbers), so that such a case is never reported as safe.
constexpr double OutOfPatternValue = 99999.9;

// Elevation of the point seen from the antenna, atan((hp − ha)/d) in degrees,
// minus the tilt. The horizontal distance counts by its size only. A point
// straight above (below) the mast, d = 0, is at +90° (−90°); the antenna's own
// position, d = 0 and hp = ha, is taken as 0°.
double OffBeamAngle(double t, double d, double hp, double ha);

// Loss in dB of a point at slant distance r (m) and angle theta (degrees) off the
// axis of an aperture of diameter D (m): none within the aperture's rim, then
// 24 dB per aperture diameter beyond it.
double OffAxisLoss(double D, double theta, double r);

// √((ha − hp)² + d²), in m.
double SlantDistance(double d, double hp, double ha);

// √(30 × P) / R: the far-field strength in V/m of P watts EIRP at R metres.
double FarFieldStrength(double r, double p);

// The index into the pattern table for an off-beam angle h = |α| below 91°: h
// rounded to the nearest whole degree, halves to the even neighbour. Angles
// between 90.5° and 91° would round to 91, which the table does not have; they
// use entry 90, the last pattern point, like 90.2° does.
int PatternTableIndex(double h);

// The field strength at one point, in V/m, or OutOfPatternValue.
// apertureSize N: 0 for an ordinary antenna (far field only), N > 0 for an
// aperture antenna N wavelengths across (near field, transition, far field).
// A negative N describes no antenna and is treated as 0.
// pd: the power delivered to the antenna minus the point's space attenuation.
// The envelope table the computation used is written to table.
double FieldStrength(const AntennaPattern &pattern, int apertureSize, PatternTable &table, double f,
                     double t, double d, double hp, double pd, double ha);

// The same for a caller that does not need the table.
double FieldStrength(const AntennaPattern &pattern, int apertureSize, double f, double t, double d,
                     double hp, double pd, double ha);
