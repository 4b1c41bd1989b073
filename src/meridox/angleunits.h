#pragma once

// Unit codes of coordinate values and the angle conversions between them and
// radians. Codes: 0 packed D.MMSSsss, 1 packed D.MMmmm, 2 degrees, 3 grads,
// 4 radians, 5 metres, 6 kilometres.
namespace meridox
{

enum UnitCode {
    UnitDms = 0,
    UnitDm = 1,
    UnitDegrees = 2,
    UnitGrads = 3,
    UnitRadians = 4,
    UnitMetres = 5,
    UnitKilometres = 6,
};

// round(x, k): the nearer of floor(x*k)/k and ceil(x*k)/k, the ceiling on a tie.
double RoundHalfUp(double x, double k);

// Angle in unit 0..4 to radians; any other unit gives 0.
double ToRadians(double x, int unit);

// Radians to an angle in unit 0..4; any other unit gives 0.
double FromRadians(double x, int unit);

// Radians packed as DDDMMMSSS.SS (degrees * 1e6 + minutes * 1e3 + seconds),
// with the truncated radians-to-degrees constant of the parameter convention.
double PackRadians(double radians);

} // namespace meridox
