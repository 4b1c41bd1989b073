#include "exposure/engine/combinedexposure.h"

#include "exposure/engine/limits.h"

#include <cmath>

std::optional<double> ExposureShare(double e, double f)
{
    const std::optional<LimitLevels> levels = VerdictLevels(f);
    if (!levels)
        return std::nullopt;
    const double ratio = e / levels->limit;
    return ratio * ratio;
}

double QuotientPercent(double q)
{
    return 100.0 * std::sqrt(q);
}

int QuotientVerdict(double q)
{
    const LimitLevels low = LowBandLevels();
    const double ratio = std::sqrt(q);
    if (!(ratio <= 1.0))
        return VerdictAboveLimit; // also a quotient that is not a number
    if (ratio >= low.warning / low.limit)
        return VerdictNearLimit;
    if (ratio >= low.low / low.limit)
        return VerdictBelowWarning;
    return VerdictBelowLow;
}
