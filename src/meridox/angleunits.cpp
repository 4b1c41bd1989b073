#include "angleunits.h"

#include <cmath>

namespace meridox
{
namespace
{

constexpr double Pi = 3.141592653589793;
constexpr double OneSixtieth = 0.016666666666666666;
constexpr double OneThreeThousandSixHundredth = 0.0002777777777777778;
constexpr double TruncatedDegreesPerRadian = 57.2957795131;

double Sign(double x)
{
    return x >= 0.0 ? 1.0 : -1.0;
}

// Integer division and remainder on non-negative whole numbers held in doubles,
// so that absurd inputs give absurd values instead of integer overflow.
double Div(double n, double d)
{
    return std::floor(n / d);
}

double Mod(double n, double d)
{
    return n - std::floor(n / d) * d;
}

} // namespace

double RoundHalfUp(double x, double k)
{
    const double scaled = x * k;
    const double lower = std::floor(scaled);
    const double upper = std::ceil(scaled);
    return (scaled - lower < upper - scaled) ? lower / k : upper / k;
}

double ToRadians(double x, int unit)
{
    switch (unit) {
    case UnitDms: {
        const double v = std::fabs(x) * 10000.0;
        const double n = RoundHalfUp(v, 1.0);
        const double degrees = Div(n, 10000.0);
        const double minutes = Mod(Div(n, 100.0), 100.0);
        const double seconds = (v - n) + Mod(n, 100.0);
        return Sign(x) *
               (degrees + minutes * OneSixtieth + seconds * OneThreeThousandSixHundredth) * Pi /
               180.0;
    }
    case UnitDm: {
        const double v = std::fabs(x) * 100.0;
        const double n = RoundHalfUp(v, 1.0);
        return Sign(x) * (Div(n, 100.0) + ((v - n) + Mod(n, 100.0)) * OneSixtieth) * Pi / 180.0;
    }
    case UnitDegrees:
        return x * Pi / 180.0;
    case UnitGrads:
        return x * Pi / 200.0;
    case UnitRadians:
        return x;
    default:
        return 0.0;
    }
}

double FromRadians(double x, int unit)
{
    const double d = x * 180.0 / Pi;
    switch (unit) {
    case UnitDms: {
        const double v = std::fabs(d) * 3600.0;
        const double s = std::trunc(RoundHalfUp(v, 1000.0));
        const double minutes = Mod(Div(s, 60.0), 60.0);
        double f = v - s;
        if (f < 0.0)
            f = 0.0;
        return Sign(d) * (Div(s, 3600.0) + (f + Mod(s, 60.0)) * 0.0001 + minutes * 0.01);
    }
    case UnitDm: {
        const double v = std::fabs(d) * 60.0;
        const double s = std::trunc(RoundHalfUp(v, 1000.0));
        double f = v - s;
        if (f < 0.0)
            f = 0.0;
        return Sign(d) * (Div(s, 60.0) + (f + Mod(s, 60.0)) * 0.01);
    }
    case UnitDegrees:
        return d;
    case UnitGrads:
        return x * 200.0 / Pi;
    case UnitRadians:
        return x;
    default:
        return 0.0;
    }
}

double PackRadians(double radians)
{
    const double d = std::fabs(radians) * TruncatedDegreesPerRadian;
    const double whole = std::floor(d);
    const double t = (d - whole) * 60.0;
    const double minutes = std::floor(t);
    const double seconds = (t - minutes) * 60.0;
    const double packed = whole * 1000000.0 + minutes * 1000.0 + seconds;
    return radians < 0.0 ? -packed : packed;
}

} // namespace meridox
