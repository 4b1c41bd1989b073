#include "swiss.h"

#include "projmath.h"

#include <cmath>

namespace meridox
{
namespace
{

struct Swiss {
    double alpha = 0.0;
    double radius = 0.0;
    double sinB0 = 0.0;
    double cosB0 = 0.0;
    double b0 = 0.0;
    double centerLon = 0.0;
    double falseEast = 0.0;
    double falseNorth = 0.0;

    int init(double a, double b, double lon0, double lat0, double fe, double fn)
    {
        const double ratio = b / a;
        const double es = 1.0 - ratio * ratio;
        const double cos0 = std::cos(lat0);
        const double sin0 = std::sin(lat0);
        alpha = std::sqrt(1.0 + es / (1.0 - es) * cos0 * cos0 * cos0 * cos0);
        const double w = 1.0 - es * sin0 * sin0;
        radius = std::sqrt(a * (1.0 - es) / std::pow(w, 1.5) * a / std::pow(w, 0.5));
        b0 = std::asin(sin0 / alpha);
        sinB0 = std::sin(b0);
        cosB0 = std::cos(b0);
        centerLon = lon0;
        falseEast = fe;
        falseNorth = fn;
        return ProjectionOk;
    }

    void forward(double lon, double lat, double *x, double *y) const
    {
        const double beta = std::asin(std::sin(lat) / alpha);
        const double l = alpha * AdjustLon(lon - centerLon);
        const double betaBar =
            std::asin(cosB0 * std::sin(beta) - sinB0 * std::cos(beta) * std::cos(l));
        const double lBar = std::asin(std::sin(l) * std::cos(beta) / std::cos(betaBar));
        *x = radius * lBar + falseEast;
        *y = radius * std::log(std::tan(Pi / 4.0 + betaBar / 2.0)) + falseNorth;
    }

    int inverse(double x, double y, double *lon, double *lat) const
    {
        const double lBar = (x - falseEast) / radius;
        const double betaBar = 2.0 * (std::atan(std::exp((y - falseNorth) / radius)) - Pi / 4.0);
        const double beta =
            std::asin(cosB0 * std::sin(betaBar) + sinB0 * std::cos(betaBar) * std::cos(lBar));
        const double lambda = AdjustLon(
            std::asin(std::sin(lBar) * std::cos(betaBar) / std::cos(beta)) / alpha + centerLon);
        double phi = b0;
        double step = 0.01;
        const double direction = y > falseNorth ? 1.0 : -1.0;
        double trialY = y + 1.0;
        double trialPhi = phi;
        int rounds = 0;
        while (std::fabs(trialY - y) > 0.0001) {
            if (++rounds > SwissSearchLimit || !std::isfinite(phi))
                return ErrorSearchDiverged;
            double trialX;
            trialPhi = phi;
            forward(lambda, trialPhi, &trialX, &trialY);
            if (!std::isfinite(trialY))
                return ErrorSearchDiverged;
            if ((direction > 0.0 && trialY > y) || (direction < 0.0 && trialY < y)) {
                phi -= direction * step;
                step *= 0.1;
            }
            phi += direction * step;
        }
        // The answer is the latitude whose northing met the tolerance, not the
        // next trial one step further on.
        *lon = lambda;
        *lat = trialPhi;
        return ProjectionOk;
    }
};

Swiss forwardSide;
// The inverse side searches with its own forward constants, so that it never
// disturbs the forward side of another system.
Swiss inverseSide;

} // namespace

int swissforint(double a, double b, double centerLon, double centerLat, double falseEast,
                double falseNorth)
{
    return forwardSide.init(a, b, centerLon, centerLat, falseEast, falseNorth);
}

int swissfor(double lon, double lat, double *x, double *y)
{
    forwardSide.forward(lon, lat, x, y);
    return ProjectionOk;
}

int swissinvint(double a, double b, double centerLon, double centerLat, double falseEast,
                double falseNorth)
{
    return inverseSide.init(a, b, centerLon, centerLat, falseEast, falseNorth);
}

int swissinv(double x, double y, double *lon, double *lat)
{
    return inverseSide.inverse(x, y, lon, lat);
}

} // namespace meridox
