#include "cconversion.h"
#include "spheroids.h"

#include <cmath>

namespace
{

constexpr double HalfPi = 1.5707963267948966;
constexpr double Pi = 3.141592653589793;
// Arc-seconds to radians: pi / 648000.
constexpr double ArcSecondsFactor = 1.5432098765432098e-6;

struct Ellipsoid {
    double a;
    double b;
    double e2;
};

Ellipsoid EllipsoidOf(const CCoord &coord)
{
    const meridox::SpheroidAxes axes = meridox::SpheroidFor(coord.Spheroid, coord.Param);
    const double f = (axes.semiMajor - axes.semiMinor) / axes.semiMajor;
    return Ellipsoid{axes.semiMajor, axes.semiMinor, 2.0 * f - f * f};
}

} // namespace

void CConversion::ConvertDatum(const CCoord &from, const CCoord &to, double *q) const
{
    if (&from == &to || q == nullptr)
        return;
    const double lon = q[0];
    const double lat = q[1];
    if (HalfPi - std::fabs(lat) < 0.00001)
        return; // no shift next to a pole

    // Geodetic to geocentric on the source spheroid, ellipsoidal height 0.
    const Ellipsoid source = EllipsoidOf(from);
    const double sinLat = std::sin(lat);
    const double cosLat = std::cos(lat);
    const double n = source.a / std::sqrt(1.0 - source.e2 * sinLat * sinLat);
    double x = n * cosLat * std::cos(lon);
    double y = n * cosLat * std::sin(lon);
    double z = n * (1.0 - source.e2) * sinLat;

    if (from.Helmert7) {
        const double rx = from.Param[5] * Pi * ArcSecondsFactor;
        const double ry = from.Param[6] * Pi * ArcSecondsFactor;
        const double rz = from.Param[7] * Pi * ArcSecondsFactor;
        const double s = 1.0 + from.Param[8] * 1e-6;
        const double x1 = s * (x - rz * y + ry * z);
        const double y1 = s * (rz * x + y - rx * z);
        const double z1 = s * (-ry * x + rx * y + z);
        x = x1;
        y = y1;
        z = z1;
    }

    x += from.Param[2] - to.Param[2];
    y += from.Param[3] - to.Param[3];
    z += from.Param[4] - to.Param[4];

    if (to.Helmert7) {
        const double rx = to.Param[5] * Pi * ArcSecondsFactor;
        const double ry = to.Param[6] * Pi * ArcSecondsFactor;
        const double rz = to.Param[7] * Pi * ArcSecondsFactor;
        const double s = 1.0 + to.Param[8] * 1e-6;
        const double x1 = (x + rz * y - ry * z) / s;
        const double y1 = (-rz * x + y + rx * z) / s;
        const double z1 = (ry * x - rx * y + z) / s;
        x = x1;
        y = y1;
        z = z1;
    }

    // Geocentric to geodetic on the destination spheroid (Bowring, one step).
    const Ellipsoid target = EllipsoidOf(to);
    const double ep2 = (target.a * target.a - target.b * target.b) / (target.b * target.b);
    const double p = std::sqrt(x * x + y * y);
    const double theta = std::atan2(z * target.a, p * target.b);
    const double sinTheta = std::sin(theta);
    const double cosTheta = std::cos(theta);
    q[0] = std::atan2(y, x);
    q[1] = std::atan2(z + ep2 * target.b * sinTheta * sinTheta * sinTheta,
                      p - target.e2 * target.a * cosTheta * cosTheta * cosTheta);
}
