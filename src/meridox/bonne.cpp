#include "bonne.h"

#include "projmath.h"

#include <cmath>

namespace meridox
{
namespace
{

struct Bonne {
    double a = 0.0;
    double es = 0.0;
    double e0 = 0.0, e1 = 0.0, e2 = 0.0, e3 = 0.0;
    double g1 = 0.0, g2 = 0.0, g3 = 0.0, g4 = 0.0;
    double lat1 = 0.0;
    double ml1 = 0.0;
    double k = 0.0;
    double centerLon = 0.0;
    double falseEast = 0.0;
    double falseNorth = 0.0;

    double meridianLength(double phi) const
    {
        return a * (e0 * phi - e1 * std::sin(2.0 * phi) + e2 * std::sin(4.0 * phi) -
                    e3 * std::sin(6.0 * phi));
    }

    double msfnz(double phi) const
    {
        const double s = std::sin(phi);
        return std::cos(phi) / std::sqrt(1.0 - es * s * s);
    }

    int init(double semiMajor, double semiMinor, double lon0, double phi1, double fe, double fn)
    {
        const double ratio = semiMinor / semiMajor;
        a = semiMajor;
        es = 1.0 - ratio * ratio;
        const double es2 = es * es, es3 = es2 * es;
        e0 = 1.0 - es / 4.0 - 3.0 * es2 / 64.0 - 5.0 * es3 / 256.0;
        e1 = 3.0 * es / 8.0 + 3.0 * es2 / 32.0 + 45.0 * es3 / 1024.0;
        e2 = 15.0 * es2 / 256.0 + 45.0 * es3 / 1024.0;
        e3 = 35.0 * es3 / 3072.0;
        lat1 = phi1;
        ml1 = meridianLength(phi1);
        const double root = std::sqrt(1.0 - es);
        const double n = (1.0 - root) / (1.0 + root);
        const double n2 = n * n, n3 = n2 * n, n4 = n3 * n;
        g1 = 3.0 * n / 2.0 - 27.0 * n3 / 32.0;
        g2 = 21.0 * n2 / 16.0 - 55.0 * n4 / 32.0;
        g3 = 151.0 * n3 / 96.0;
        g4 = 1097.0 * n4 / 512.0;
        const double sin1 = std::sin(phi1);
        k = sin1 != 0.0 ? a * msfnz(phi1) / sin1 : 0.0;
        centerLon = lon0;
        falseEast = fe;
        falseNorth = fn;
        return ProjectionOk;
    }

    static bool NearPole(double lat)
    {
        const double magnitude = std::fabs(lat);
        return magnitude > HalfPi - 1e-5 && magnitude < HalfPi + 1e-5;
    }

    void forward(double lon, double lat, double *x, double *y) const
    {
        if (lat == lat1 && NearPole(lat)) {
            *x = 0.0;
            *y = 0.0;
            return;
        }
        double dlon = lon - centerLon;
        if (dlon > Pi)
            dlon -= TwoPi;
        else if (dlon < -Pi)
            dlon += TwoPi;
        const double rho = k + ml1 - meridianLength(lat);
        const double angle = rho == 0.0 ? 0.0 : a * msfnz(lat) * dlon / rho;
        *x = rho * std::sin(angle) + falseEast;
        *y = k - rho * std::cos(angle) + falseNorth;
    }

    void inverse(double x, double y, double *lon, double *lat) const
    {
        const double dx = x - falseEast;
        const double dy = k - (y - falseNorth);
        double rho = std::sqrt(dx * dx + dy * dy);
        const double sign = lat1 < 0.0 ? -1.0 : 1.0;
        rho *= sign;
        const double mu = (k + ml1 - rho) / (a * e0);
        const double phi = mu + g4 * std::sin(8.0 * mu) + g3 * std::sin(6.0 * mu) +
                           g2 * std::sin(4.0 * mu) + g1 * std::sin(2.0 * mu);
        *lat = phi;
        if (NearPole(phi))
            *lon = centerLon;
        else
            *lon = centerLon + rho * std::atan2(sign * dx, sign * dy) / (a * msfnz(phi));
    }
};

Bonne forwardSide;
Bonne inverseSide;

} // namespace

int bonneforint(double a, double b, double centerLon, double lat1, double falseEast,
                double falseNorth)
{
    return forwardSide.init(a, b, centerLon, lat1, falseEast, falseNorth);
}

int bonnefor(double lon, double lat, double *x, double *y)
{
    forwardSide.forward(lon, lat, x, y);
    return ProjectionOk;
}

int bonneinvint(double a, double b, double centerLon, double lat1, double falseEast,
                double falseNorth)
{
    return inverseSide.init(a, b, centerLon, lat1, falseEast, falseNorth);
}

int bonneinv(double x, double y, double *lon, double *lat)
{
    inverseSide.inverse(x, y, lon, lat);
    return ProjectionOk;
}

} // namespace meridox
