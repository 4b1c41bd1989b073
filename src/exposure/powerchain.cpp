#include "exposure/powerchain.h"

#include "base/numberformat.h"
#include "exposure/engine/units.h"

#include <cmath>

QString NoPowerDbwText()
{
    return QStringLiteral("...");
}

TPowerChainResult lossesRecalc(const TPowerChainInput &in)
{
    TPowerChainResult r;
    TPowerChainLabels &l = r.labels;

    // Feed line: the sum of the unrounded section losses, or the total typed by hand.
    double feeder = 0;
    for (int n = 0; n < CableSectionCount; ++n) {
        const double loss = CableSectionLoss(in.length[n], in.lossPer100m[n], in.frequency);
        // A negative frequency (no band) gives no real loss; it counts as none.
        const double sectionLoss = std::isfinite(loss) ? loss : 0.0;
        l.sectionLoss[n] = FormatRounded(sectionLoss);
        feeder += sectionLoss;
    }
    r.feederLoss = in.calcFeeder ? feeder : in.feederManual;
    l.feederTotal = FormatRounded(r.feederLoss);

    r.addLoss = in.calcAdd ? in.swr + in.filter + in.tuner + in.pairs * in.perPair : in.addManual;
    l.addTotal = FormatRounded(r.addLoss);

    if (!(in.txPower > 0)) {
        l.txPowerDbw = NoPowerDbwText();
        l.antPowerDbw = QStringLiteral("0,0");
        l.antPowerW = QStringLiteral("1,0");
        l.eirpDbw = QStringLiteral("0,0");
        l.eirpW = QStringLiteral("1,0");
        return r;
    }

    r.powered = true;
    const double txDbw = WattToDb(in.txPower);
    l.txPowerDbw = FormatRounded(txDbw);
    r.antPowerDbw = txDbw - (r.feederLoss + r.addLoss + in.modeAtt + in.timeAtt);
    r.antPowerW = DbToWatt(r.antPowerDbw);
    r.eirpDbw = r.antPowerDbw + in.gain;
    r.eirpW = DbToWatt(r.eirpDbw);
    l.antPowerDbw = FormatRounded(r.antPowerDbw);
    l.antPowerW = FormatRounded(r.antPowerW);
    l.eirpDbw = FormatRounded(r.eirpDbw);
    l.eirpW = FormatRounded(r.eirpW);
    return r;
}
