#include "exposure/engine/engine.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr double DegreesPerRadian = 57.29577951308232;
constexpr double RadiansPerDegree = 3.14159265358979323846 / 180.0;

// atan(rise / run) in degrees for a horizontal run that counts by its size; a
// vertical line (run 0) points straight up or down, and no line at all is 0°.
double ElevationDegrees(double rise, double run)
{
    run = std::fabs(run);
    if (run == 0.0)
        return rise > 0.0 ? 90.0 : (rise < 0.0 ? -90.0 : 0.0);
    return std::atan(rise / run) * DegreesPerRadian;
}

// Results that are not a finite, non-negative field strength become the
// out-of-pattern value, which no caller can take for a safe value.
double Checked(double e)
{
    return (std::isfinite(e) && e >= 0.0) ? e : OutOfPatternValue;
}

} // namespace

double OffBeamAngle(double t, double d, double hp, double ha)
{
    return ElevationDegrees(hp - ha, d) - t;
}

double OffAxisLoss(double D, double theta, double r)
{
    const double y = std::fabs(r * std::sin(theta * RadiansPerDegree));
    const double rim = D / 2.0;
    if (y <= rim)
        return 0.0;
    return std::min(24.0 * (y - rim) / D, MaxOffAxisLoss);
}

double NearFieldLimit(double f, int apertureSize)
{
    const double n = apertureSize > 0 ? apertureSize : 0;
    return Wavelength(f) * n * n / 4.0;
}

double FarFieldLimit(double f, int apertureSize)
{
    const double n = apertureSize > 0 ? apertureSize : 0;
    return 0.6 * Wavelength(f) * n * n;
}

double ApertureNearField(double pd, double w, double diameter)
{
    return std::sqrt(DbToWatt(pd - w) * 960.5) / diameter;
}

double ApertureTransitionField(double pd, double w, double lambda, double r)
{
    return std::sqrt(DbToWatt(pd - w) * 240.13 / (lambda * r));
}

double SlantDistance(double d, double hp, double ha)
{
    const double dh = ha - hp;
    return std::sqrt(dh * dh + d * d);
}

double FarFieldStrength(double r, double p)
{
    return std::sqrt(30.0 * p) / r;
}

int PatternTableIndex(double h)
{
    const double whole = std::floor(h);
    const double fraction = h - whole;
    double rounded = whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        rounded = whole + 1.0;
    if (rounded > 90.0)
        return PatternTableSize - 1;
    if (!(rounded >= 0.0))
        return 0; // negative or not a number; callers pass |α| below 91

    return static_cast<int>(rounded);
}

double FieldStrength(const AntennaPattern &pattern, int apertureSize, PatternTable &table, double f,
                     double t, double d, double hp, double pd, double ha)
{
    BuildEnvelopeTable(pattern, table);
    const int n = apertureSize > 0 ? apertureSize : 0;
    const double r = SlantDistance(d, hp, ha);

    if (n != 0) {
        // θ is the off-beam angle with the opposite sign; only cos θ and |sin θ| matter.
        const double theta = ElevationDegrees(ha - hp, d) + t;
        const double lambda = Wavelength(f);
        if (!(lambda > 0.0 && std::isfinite(lambda)))
            return OutOfPatternValue; // no frequency, no aperture to speak of
        const double diameter = lambda * n;
        const double x = r * std::cos(theta * RadiansPerDegree);
        if (x <= NearFieldLimit(f, n))
            return Checked(ApertureNearField(pd, OffAxisLoss(diameter, theta, r), diameter));
        if (x <= FarFieldLimit(f, n))
            return Checked(ApertureTransitionField(pd, OffAxisLoss(diameter, theta, r), lambda, r));
    }

    const double h = std::fabs(OffBeamAngle(t, d, hp, ha));
    if (!(h < 91.0))
        return OutOfPatternValue;
    const double gain = table[PatternTableIndex(h)];
    return Checked(FarFieldStrength(r, DbToWatt(pd + gain)));
}

double FieldStrength(const AntennaPattern &pattern, int apertureSize, double f, double t, double d,
                     double hp, double pd, double ha)
{
    PatternTable table;
    return FieldStrength(pattern, apertureSize, table, f, t, d, hp, pd, ha);
}
