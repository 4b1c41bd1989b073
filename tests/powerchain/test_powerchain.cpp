#include "exposure/powerchain.h"

#include <gtest/gtest.h>

namespace
{

// The two-section VHF station: 100 W, 20 m and 5 m of cable at 145 MHz.
TPowerChainInput VhfStation()
{
    TPowerChainInput in;
    in.frequency = 145;
    in.length = {20, 5, 0, 0};
    in.lossPer100m = {6.6, 4.3, 0, 0};
    in.swr = 0.05;
    in.tuner = 0;
    in.filter = 0.2;
    in.pairs = 2;
    in.perPair = 0.05;
    in.txPower = 100;
    in.modeAtt = 0;
    in.timeAtt = 3;
    in.gain = 6;
    return in;
}

TEST(PowerChain, WorkedExampleGivesTheDocumentedLabels)
{
    const TPowerChainResult r = lossesRecalc(VhfStation());
    EXPECT_NEAR(r.feederLoss, 1.8484, 1e-4);
    EXPECT_NEAR(r.addLoss, 0.35, 1e-12);
    EXPECT_NEAR(r.antPowerDbw, 14.8016, 1e-4);
    EXPECT_NEAR(r.eirpDbw, 20.8016, 1e-4);
    EXPECT_TRUE(r.powered);
    const TPowerChainLabels &l = r.labels;
    EXPECT_EQ(l.sectionLoss[0], QStringLiteral("1,59"));
    EXPECT_EQ(l.sectionLoss[1], QStringLiteral("0,26"));
    EXPECT_EQ(l.sectionLoss[2], QStringLiteral("0"));
    EXPECT_EQ(l.feederTotal, QStringLiteral("1,85"));
    EXPECT_EQ(l.addTotal, QStringLiteral("0,35"));
    EXPECT_EQ(l.antPowerDbw, QStringLiteral("14,8"));
    EXPECT_EQ(l.antPowerW, QStringLiteral("30,21"));
    EXPECT_EQ(l.eirpDbw, QStringLiteral("20,8"));
    EXPECT_EQ(l.eirpW, QStringLiteral("120,27"));
    EXPECT_EQ(l.txPowerDbw, QStringLiteral("20"));
}

// Transmitter powers with no dB value: fixed labels, 0 dBW and 1 W.
TEST(PowerChain, NoTransmitterPowerShowsTheFixedLabels)
{
    for (const double p : {0.0, -5.0}) {
        TPowerChainInput in = VhfStation();
        in.txPower = p;
        const TPowerChainResult r = lossesRecalc(in);
        EXPECT_FALSE(r.powered) << p;
        EXPECT_EQ(r.labels.antPowerDbw, QStringLiteral("0,0")) << p;
        EXPECT_EQ(r.labels.antPowerW, QStringLiteral("1,0")) << p;
        EXPECT_EQ(r.labels.eirpDbw, QStringLiteral("0,0")) << p;
        EXPECT_EQ(r.labels.eirpW, QStringLiteral("1,0")) << p;
        EXPECT_EQ(r.labels.txPowerDbw, NoPowerDbwText()) << p;
        // The loss totals are still shown.
        EXPECT_EQ(r.labels.feederTotal, QStringLiteral("1,85")) << p;
    }
}

struct LossCase {
    const char *reason;
    TPowerChainInput in;
    const char *feederTotal;
    const char *addTotal;
    const char *antPowerDbw;
};

TPowerChainInput With(void (*change)(TPowerChainInput &))
{
    TPowerChainInput in = VhfStation();
    change(in);
    return in;
}

class LossTotals : public testing::TestWithParam<LossCase>
{
};

TEST_P(LossTotals, TotalsAndPowerAtAntenna)
{
    const LossCase &c = GetParam();
    const TPowerChainResult r = lossesRecalc(c.in);
    EXPECT_EQ(r.labels.feederTotal, QString::fromUtf8(c.feederTotal)) << c.reason;
    EXPECT_EQ(r.labels.addTotal, QString::fromUtf8(c.addTotal)) << c.reason;
    EXPECT_EQ(r.labels.antPowerDbw, QString::fromUtf8(c.antPowerDbw)) << c.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LossTotals,
    testing::Values(
        LossCase{"100 m at 100 MHz loses exactly the cable's value", With([](TPowerChainInput &in) {
                     in.frequency = 100;
                     in.length = {100, 0, 0, 0};
                     in.lossPer100m = {7.3, 9, 9, 9};
                 }),
                 "7,3", "0,35", "9,35"},
        LossCase{"a cable type without a value loses nothing", With([](TPowerChainInput &in) {
                     in.lossPer100m = {0, 0, 0, 0};
                 }),
                 "0", "0,35", "16,65"},
        LossCase{"feed-line total typed by hand replaces the filled sections",
                 With([](TPowerChainInput &in) {
                     in.calcFeeder = false;
                     in.feederManual = 2.5;
                 }),
                 "2,5", "0,35", "14,15"},
        LossCase{"additional total typed by hand replaces its rows", With([](TPowerChainInput &in) {
                     in.calcAdd = false;
                     in.addManual = 1;
                 }),
                 "1,85", "1", "14,15"},
        LossCase{"tuner and filter both count, whichever row holds which value",
                 With([](TPowerChainInput &in) {
                     in.tuner = 0.2;
                     in.filter = 0;
                 }),
                 "1,85", "0,35", "14,8"},
        LossCase{"mode correction is subtracted too",
                 With([](TPowerChainInput &in) { in.modeAtt = 1; }), "1,85", "0,35", "13,8"},
        LossCase{"a total exactly between two hundredths goes to the even one",
                 With([](TPowerChainInput &in) {
                     in.calcFeeder = false;
                     in.feederManual = 0.125;
                     in.calcAdd = false;
                     in.addManual = 0.135;
                 }),
                 "0,12", "0,14", "16,74"},
        LossCase{"no band (frequency 0) gives no cable loss",
                 With([](TPowerChainInput &in) { in.frequency = 0; }), "0", "0,35", "16,65"}));

TEST(PowerChain, EirpUsesTheGainAtZeroDegrees)
{
    TPowerChainInput in = VhfStation();
    in.gain = 12.5;
    const TPowerChainResult r = lossesRecalc(in);
    EXPECT_NEAR(r.eirpDbw - r.antPowerDbw, 12.5, 1e-12);
    EXPECT_EQ(r.labels.eirpDbw, QStringLiteral("27,3"));
}

} // namespace
