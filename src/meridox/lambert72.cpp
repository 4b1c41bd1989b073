#include "lambert72.h"

#include "projmath.h"

#include <cmath>

namespace meridox
{
namespace
{

// Grid rotation about the apex: 29.2985 arc-seconds.
constexpr double Alpha = 0.00014204313635987728;

struct Lambert72 {
    double a = 0.0;
    double e = 0.0;
    double ns = 0.0;
    double f0 = 0.0;
    double rh = 0.0;
    double centerLon = 0.0;
    double falseEast = 0.0;
    double falseNorth = 0.0;

    int init(double semiMajor, double semiMinor, double lat1, double lat2, double lon0, double lat0,
             double fe, double fn)
    {
        if (std::fabs(lat1 + lat2) < Epsilon)
            return ErrorEqualLatitudes;
        const double ratio = semiMinor / semiMajor;
        a = semiMajor;
        e = std::sqrt(1.0 - ratio * ratio);
        centerLon = lon0;
        falseEast = fe;
        falseNorth = fn;
        const double sin1 = std::sin(lat1), cos1 = std::cos(lat1);
        const double sin2 = std::sin(lat2), cos2 = std::cos(lat2);
        const double ms1 = Msfnz(e, sin1, cos1);
        const double ts1 = Tsfnz(e, lat1, sin1);
        const double ms2 = Msfnz(e, sin2, cos2);
        const double ts2 = Tsfnz(e, lat2, sin2);
        const double ts0 = Tsfnz(e, lat0, std::sin(lat0));
        if (std::fabs(lat1 - lat2) > Epsilon)
            ns = std::log(ms1 / ms2) / std::log(ts1 / ts2);
        else
            ns = sin1;
        f0 = ms1 / (ns * std::pow(ts1, ns));
        rh = a * f0 * std::pow(ts0, ns);
        return ProjectionOk;
    }

    int forward(double lon, double lat, double *x, double *y) const
    {
        double rh1;
        if (std::fabs(std::fabs(lat) - HalfPi) > Epsilon) {
            rh1 = a * f0 * std::pow(Tsfnz(e, lat, std::sin(lat)), ns);
        } else {
            if (lat * ns <= 0.0)
                return ErrorNotProjectable;
            rh1 = 0.0;
        }
        const double theta = ns * AdjustLon(lon - centerLon) - Alpha;
        *x = rh1 * std::sin(theta) + falseEast;
        *y = rh - rh1 * std::cos(theta) + falseNorth;
        return ProjectionOk;
    }

    int inverse(double x, double y, double *lon, double *lat) const
    {
        const double dx = x - falseEast;
        const double dy = rh - y + falseNorth;
        double rh1;
        double con;
        if (ns > 0.0) {
            rh1 = std::sqrt(dx * dx + dy * dy);
            con = 1.0;
        } else {
            rh1 = -std::sqrt(dx * dx + dy * dy);
            con = -1.0;
        }
        const double theta = rh1 != 0.0 ? std::atan2(con * dx, con * dy) : 0.0;
        double phi;
        if (rh1 != 0.0 || ns > 0.0) {
            const double ts = std::pow(rh1 / (a * f0), 1.0 / ns);
            const int error = Phi2z(e, ts, &phi);
            if (error != ProjectionOk)
                return error;
        } else {
            phi = -HalfPi;
        }
        *lat = phi;
        *lon = AdjustLon((theta + Alpha) / ns + centerLon);
        return ProjectionOk;
    }
};

Lambert72 forwardSide;
Lambert72 inverseSide;

} // namespace

int lam72forint(double a, double b, double lat1, double lat2, double centerLon, double centerLat,
                double falseEast, double falseNorth)
{
    return forwardSide.init(a, b, lat1, lat2, centerLon, centerLat, falseEast, falseNorth);
}

int lam72for(double lon, double lat, double *x, double *y)
{
    return forwardSide.forward(lon, lat, x, y);
}

int lam72invint(double a, double b, double lat1, double lat2, double centerLon, double centerLat,
                double falseEast, double falseNorth)
{
    return inverseSide.init(a, b, lat1, lat2, centerLon, centerLat, falseEast, falseNorth);
}

int lam72inv(double x, double y, double *lon, double *lat)
{
    return inverseSide.inverse(x, y, lon, lat);
}

double Lambert72ForwardNs()
{
    return forwardSide.ns;
}

} // namespace meridox
