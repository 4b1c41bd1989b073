#include "exposure/engine/limits.h"

#include <cmath>

LimitLevels LowBandLevels()
{
    return {13.7, 12.26, 3.07};
}

LimitLevels MiddleBandLevels(double f)
{
    const double root = std::sqrt(f);
    return {0.686 * root, 0.614 * root, 0.154 * root};
}

LimitLevels HighBandLevels()
{
    return {30.7, 27.48, 6.88};
}

std::optional<LimitLevels> VerdictLevels(double f)
{
    // Whole MHz, kept as a double so that no frequency can overflow an integer.
    const double wholeMhz = std::trunc(f);
    if (!(wholeMhz >= 10.0))
        return std::nullopt;
    if (wholeMhz <= 400.0)
        return LowBandLevels();
    if (wholeMhz <= 2000.0)
        return MiddleBandLevels(f);
    return HighBandLevels();
}

int LimitVerdict(double e, double f)
{
    const std::optional<LimitLevels> band = VerdictLevels(f);
    if (!band)
        return VerdictNone;
    const LimitLevels &levels = *band;

    if (e > levels.limit)
        return VerdictAboveLimit;
    if (e >= levels.warning)
        return VerdictNearLimit;
    if (e >= levels.low)
        return VerdictBelowWarning;
    if (e < levels.low)
        return VerdictBelowLow;
    return VerdictAboveLimit; // not a number
}

namespace
{

int ClassAgainst(double e, const LimitLevels &levels)
{
    if (e <= levels.low)
        return 1;
    if (e <= levels.warning)
        return 2;
    if (e <= levels.limit)
        return 3;
    return 4; // above the limit, or not a number
}

} // namespace

int SummaryClass(double e, double f)
{
    // The middle-band rule comes first for every frequency; the low and high
    // bands then replace its result.
    int summary = ClassAgainst(e, MiddleBandLevels(f));
    if (f < 400.0)
        summary = ClassAgainst(e, LowBandLevels());
    if (f > 2000.0)
        summary = ClassAgainst(e, HighBandLevels());
    return summary;
}

int VerdictColour(int verdict)
{
    if (verdict < 0 || verdict >= static_cast<int>(VerdictColours.size()))
        return VerdictColours[VerdictNone];
    return VerdictColours[verdict];
}
