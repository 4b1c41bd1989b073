#pragma once

// How far a field strength reaches from an antenna: the ground under the plot's
// contours and the safety distance of a placement. Pure functions of their
// arguments, like the engine they are built on.

#include "exposure/engine/patterntable.h"

#include <optional>

// The largest distance r (m) from the antenna, along a ray at the off-beam angle
// alpha (degrees, as OffBeamAngle gives it), at which the engine's field
// strength of pd dBW still reaches `level` V/m; 0 when it reaches the level
// nowhere on the ray, `cap` when it still does at cap (cap may be infinite).
// The field strength along a ray falls with the distance within each region of
// the antenna, but it may rise where one region ends and the next begins (from
// the transition region into the far field of an aperture); the reach is the
// end of the last stretch that reaches the level. Within a region the distance
// is found to a part in 10⁹.
double FieldReach(const AntennaPattern &pattern, int apertureSize, double f, double alpha,
                  double pd, double level, double cap);

// The safety distance of a placement: the largest distance from the antenna, in
// the direction of its largest gain, at which the field strength of pd dBW (the
// power at the antenna, no space attenuation) still reaches the limit of the
// frequency f. A wire antenna reaches √(30 × 10^(pd/10) × 10^(Gmax/10)) / L1 with
// Gmax the largest entry of the envelope table; an aperture antenna is followed
// along its beam axis through its near field, transition region and far field.
// None below 10 MHz, where no limit applies, and none for a power that is not a
// number.
std::optional<double> SafetyDistance(const AntennaPattern &pattern, int apertureSize, double f,
                                     double pd);
