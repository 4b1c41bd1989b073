#include "exposure/engine/units.h"

#include <cmath>

double DbToWatt(double x)
{
    return std::pow(10.0, x / 10.0);
}

double WattToDb(double x)
{
    return 10.0 * std::log10(x);
}

double Wavelength(double f)
{
    return 300.0 / f;
}

double CableSectionLoss(double length, double lossPer100m, double f)
{
    return std::sqrt(f / 100.0) * length * lossPer100m / 100.0;
}
