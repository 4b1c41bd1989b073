#include "spheroids.h"

#include <cmath>

namespace meridox
{
namespace
{

struct Axes {
    double major;
    double minor;
};

constexpr Axes Table[SpheroidCount] = {
    {6378206.4, 6356583.8},        // Clarke 1866
    {6378249.145, 6356514.86955},  // Clarke 1880
    {6377397.155, 6356078.96284},  // Bessel
    {6378157.5, 6356772.2},        // International 1967
    {6378388.0, 6356911.94613},    // International 1909
    {6378135.0, 6356750.519915},   // WGS 72
    {6377276.3452, 6356075.4133},  // Everest
    {6378145.0, 6356759.769356},   // WGS 66
    {6378137.0, 6356752.31414},    // GRS 1980
    {6377563.396, 6356256.91},     // Airy
    {6377304.063, 6356103.039},    // Modified Everest
    {6377340.189, 6356034.448},    // Modified Airy
    {6378137.0, 6356752.314245},   // WGS 84
    {6378155.0, 6356773.3205},     // Southeast Asia
    {6378160.0, 6356774.719},      // Australian National
    {6378245.0, 6356863.0188},     // Krassovsky
    {6378270.0, 6356794.343479},   // Hough
    {6378166.0, 6356784.283666},   // Mercury 1960
    {6378150.0, 6356768.337303},   // Modified Mercury 1968
    {6370997.0, 6370997.0},        // sphere
    {6377483.865, 6356165.382966}, // Bessel 1841 (Namibia)
    {6377298.556, 6356097.571445}, // Everest (Sabah and Sarawak)
    {6377301.243, 6356100.228368}, // Everest (India 1956)
    {6377295.664, 6356094.667915}, // Everest (Malaysia 1969)
    {6377304.063, 6356103.038993}, // Everest (Malaysia and Singapore 1948)
    {6377309.613, 6356108.570542}, // Everest (Pakistan)
    {6378388.0, 6356911.946128},   // Hayford (International 1924)
    {6378200.0, 6356818.169},      // Helmert 1906
    {6378160.0, 6356774.504086},   // Indonesian 1974
    {6378160.0, 6356774.719},      // South American 1969
    {6378165.0, 6356783.287},      // WGS 60
    {6376523.0, 6355863.0},        // Plessis 1817
};

} // namespace

SpheroidAxes SpheroidFor(int code, const double *param)
{
    SpheroidAxes axes;
    if (code >= 0) {
        const Axes &row = Table[code < SpheroidCount ? code : 0];
        axes.semiMajor = row.major;
        axes.semiMinor = row.minor;
        axes.radius = DefaultSphereRadius;
        return axes;
    }
    const double a = param ? std::fabs(param[0]) : 0.0;
    const double b = param ? std::fabs(param[1]) : 0.0;
    if (a > 0.0 && b > 1.0) {
        axes.semiMajor = a;
        axes.semiMinor = b;
        axes.radius = a;
    } else if (a > 0.0) {
        // b is the squared eccentricity.
        axes.semiMajor = a;
        axes.radius = a;
        axes.semiMinor = b > 0.0 ? a * std::sqrt(1.0 - b) : a;
    } else if (b > 0.0) {
        axes.semiMajor = Table[0].major;
        axes.semiMinor = Table[0].minor;
        axes.radius = Table[0].major;
    } else {
        axes.semiMajor = axes.semiMinor = axes.radius = DefaultSphereRadius;
    }
    return axes;
}

} // namespace meridox
