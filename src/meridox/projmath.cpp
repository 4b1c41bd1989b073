#include "projmath.h"

#include <cmath>

namespace meridox
{

double Msfnz(double eccent, double sinphi, double cosphi)
{
    const double con = eccent * sinphi;
    return cosphi / std::sqrt(1.0 - con * con);
}

double Tsfnz(double eccent, double phi, double sinphi)
{
    if (std::fabs(HalfPi - phi) <= Epsilon)
        return 0.0;
    const double con = eccent * sinphi;
    const double com = 0.5 * eccent;
    return std::tan(0.5 * (HalfPi - phi)) / std::pow((1.0 - con) / (1.0 + con), com);
}

int Phi2z(double eccent, double ts, double *phi)
{
    const double eccnth = 0.5 * eccent;
    double value = HalfPi - 2.0 * std::atan(ts);
    for (int i = 0; i <= 15; ++i) {
        const double con = eccent * std::sin(value);
        const double dphi =
            HalfPi - 2.0 * std::atan(ts * std::pow((1.0 - con) / (1.0 + con), eccnth)) - value;
        value += dphi;
        if (std::fabs(dphi) <= Epsilon) {
            *phi = value;
            return ProjectionOk;
        }
    }
    return ErrorConvergence;
}

double AdjustLon(double x)
{
    if (!std::isfinite(x))
        return x;
    if (std::fabs(x) <= Pi)
        return x;
    // Whole turns, computed at once so that large values need no long loop.
    x -= TwoPi * std::floor((x + Pi) / TwoPi);
    if (x > Pi)
        x -= TwoPi;
    else if (x < -Pi)
        x += TwoPi;
    return x;
}

} // namespace meridox
