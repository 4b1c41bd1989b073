#include "exposure/engine/fieldreach.h"

#include "exposure/engine/engine.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace
{

constexpr double RadiansPerDegree = 3.14159265358979323846 / 180.0;
constexpr double Infinity = std::numeric_limits<double>::infinity();

// The end of the stretch (lo, hi] of a field strength that does not rise with
// the distance, at which it still reaches the level: hi when it reaches it
// there, nothing when it does not reach it even just after lo.
std::optional<double> ReachWithin(const std::function<double(double)> &field, double lo, double hi,
                                  double level)
{
    if (!(lo < hi))
        return std::nullopt;
    if (field(hi) >= level)
        return hi;
    double inside = std::nextafter(lo, hi);
    if (!(field(inside) >= level))
        return std::nullopt;
    double outside = hi;
    // Halving keeps field(inside) >= level > field(outside); 200 steps take any
    // finite stretch of doubles down to neighbouring values.
    for (int step = 0; step < 200 && outside - inside > 1e-9 * outside; ++step) {
        const double middle = inside + (outside - inside) / 2.0;
        if (field(middle) >= level)
            inside = middle;
        else
            outside = middle;
    }
    return inside;
}

// The far field along the ray: √(30 × P) / r through the gain of the ray's
// angle falls as 1/r, so the level is reached up to a distance found directly.
std::optional<double> FarReach(const PatternTable &table, double alpha, double pd, double level,
                               double lo, double hi)
{
    if (!(lo < hi))
        return std::nullopt;
    const double h = std::fabs(alpha);
    if (!(h < 91.0))
        return hi; // out of the pattern: the engine's value is above every limit
    const double r = FarFieldStrength(1.0, DbToWatt(pd + table[PatternTableIndex(h)])) / level;
    if (!(r > lo))
        return std::nullopt;
    return std::min(r, hi);
}

} // namespace

double FieldReach(const AntennaPattern &pattern, int apertureSize, double f, double alpha,
                  double pd, double level, double cap)
{
    if (std::isnan(pd) || std::isnan(alpha) || !(level > 0.0) || !(cap > 0.0))
        return 0.0;
    const PatternTable table = BuildEnvelopeTable(pattern);
    const int n = std::max(apertureSize, 0);
    if (n == 0)
        return FarReach(table, alpha, pd, level, 0.0, cap).value_or(0.0);

    // The ray's angle off the axis: only |sin| and cos enter.
    const double c = std::cos(alpha * RadiansPerDegree);
    const double s = std::fabs(std::sin(alpha * RadiansPerDegree));
    const double lambda = Wavelength(f);
    const double diameter = lambda * n;
    const double nearEnd = c > 0.0 ? std::min(NearFieldLimit(f, n) / c, cap) : cap;
    const double farStart = c > 0.0 ? std::min(FarFieldLimit(f, n) / c, cap) : cap;
    const auto loss = [&](double r) { return OffAxisLoss(diameter, alpha, r); };

    if (auto far = FarReach(table, alpha, pd, level, farStart, cap))
        return *far;
    const auto transition = [&](double r) {
        return ApertureTransitionField(pd, loss(r), lambda, r);
    };
    if (auto reach = ReachWithin(transition, nearEnd, farStart, level))
        return *reach;

    const auto nearField = [&](double r) { return ApertureNearField(pd, loss(r), diameter); };
    // Beyond this distance the off-axis loss stays at its floor and the near
    // field no longer changes; on the axis line itself there is no loss at all.
    const double lossFloorAt = s > 0.0 ? diameter * (0.5 + MaxOffAxisLoss / 24.0) / s : Infinity;
    if (std::isinf(lossFloorAt))
        return nearField(1.0) >= level ? nearEnd : 0.0;
    if (std::isinf(nearEnd)) {
        // Behind the aperture's plane the near field never ends.
        if (nearField(lossFloorAt) >= level)
            return cap;
        return ReachWithin(nearField, 0.0, lossFloorAt, level).value_or(0.0);
    }
    return ReachWithin(nearField, 0.0, nearEnd, level).value_or(0.0);
}

std::optional<double> SafetyDistance(const AntennaPattern &pattern, int apertureSize, double f,
                                     double pd)
{
    const std::optional<LimitLevels> levels = VerdictLevels(f);
    if (!levels || std::isnan(pd))
        return std::nullopt;
    if (apertureSize > 0)
        return FieldReach(pattern, apertureSize, f, 0.0, pd, levels->limit, Infinity);
    const PatternTable table = BuildEnvelopeTable(pattern);
    const double gmax = *std::max_element(table.begin(), table.end());
    return FarFieldStrength(1.0, DbToWatt(pd) * DbToWatt(gmax)) / levels->limit;
}
