#include "exposure/lowpower/lowpowerresult.h"

#include "exposure/engine/units.h"

#include <cmath>

namespace
{
double roundOneDecimal(double value)
{
    return std::round(value * 10.0) / 10.0;
}
} // namespace

double LowPowerScale(double frequency)
{
    if (!std::isfinite(frequency))
        return 1.0;
    const double f = std::trunc(frequency);
    if (f <= 400)
        return 1.0;
    if (f <= 2000)
        return 19.97 / std::sqrt(frequency);
    if (f <= 65535)
        return 0.45;
    return 1.0;
}

TLowPowerResult ComputeLowPowerResult(const TLowPowerInput &in)
{
    TLowPowerResult r;
    r.scale = LowPowerScale(in.frequency);
    for (int k = 0; k < LowPowerClassCount; ++k) {
        r.horizontal[k] = roundOneDecimal(r.scale * LowPowerHorizontal[k]);
        r.vertical[k] = roundOneDecimal(r.scale * LowPowerVertical[k]);
    }
    if (!(in.power > 0.0))
        return r;
    const double e = WattToDb(in.power) + in.gain - 2.15 - in.modeAtt - in.txTimeAtt - in.losses;
    const double w = DbToWatt(e);
    if (!std::isfinite(e) || !std::isfinite(w))
        return r;
    r.hasErp = true;
    r.erpDbw = e;
    r.erpW = w;
    // An ERP that equals a class up to rounding noise (5 W through 10 log10 and back gives
    // 5,000000000000001 W) counts as that class: the user sees 5,00 W and the 5 W class.
    double erp = w;
    for (double c : LowPowerClasses) {
        if (std::fabs(erp - c) <= c * 1e-9)
            erp = c;
    }
    for (int k = LowPowerClassCount - 1; k >= 0; --k) {
        if (erp <= LowPowerClasses[k] && (in.distA >= r.scale * LowPowerHorizontal[k] ||
                                          in.distB >= r.scale * LowPowerVertical[k])) {
            r.met = true;
            break;
        }
    }
    for (int k = 0; k < LowPowerClassCount; ++k) {
        if (LowPowerClasses[k] > erp) {
            r.highlight = k;
            break;
        }
    }
    return r;
}
