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

// Aperture antennas (N > 0, an aperture N wavelengths across, D = λ × N):
//
//   near field   x <= A = D²/(4λ) = λ × N²/4    E = √(10^((Pd − w)/10) × 960.5) / D
//   transition   A < x <= B = 0.6 × λ × N²      E = √(10^((Pd − w)/10) × 240.13 / (λ × R))
//   far field    x > B                          the pattern, as for a wire antenna
//
// with x the distance along the beam axis, R the slant distance and w the
// off-axis loss. The near-field limit carries the wavelength: the near field of
// an aperture ends at D²/(4λ), where the two formulas meet on the axis, so A
// always lies before B. The off-axis loss never exceeds 20 dB: beside the beam
// of an aperture the field is taken as at most 20 dB below the axis value, the
// conservative bound used for apertures in the near field and transition region.
// A loss without that floor made the field beside a dish vanish (10⁻¹⁰ V/m at
// a few metres) and grow again as one walked away into the far field.
//
// Worked examples (pattern 8, 6, 2, −3, −10, −20, −25, −25, −30, −30 dBi, N = 10,
// 1296 MHz, Pd = 10 dBW, antenna at 5 m, so λ = 0.231481 m, A = 5.787 m and
// B = 13.889 m): on the axis at 3 m, near field, 42.338 V/m; tilt 10°, point
// 10 m away at 2 m, transition with x = 9.327 m, y = 4.691 m, an off-axis loss
// of 36.6 dB held at 20 dB, 3.1522 V/m.
double NearFieldLimit(double f, int apertureSize);
double FarFieldLimit(double f, int apertureSize);

// The most an aperture's off-axis loss takes away, in dB.
constexpr double MaxOffAxisLoss = 20.0;

// Loss in dB of a point at slant distance r (m) and angle theta (degrees) off the
// axis of an aperture of diameter D (m): none within the aperture's rim, then
// 24 dB per aperture diameter beyond it, at most MaxOffAxisLoss.
double OffAxisLoss(double D, double theta, double r);

// The two aperture formulas above for a power pd (dBW) and an off-axis loss w (dB).
double ApertureNearField(double pd, double w, double diameter);
double ApertureTransitionField(double pd, double w, double lambda, double r);

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
