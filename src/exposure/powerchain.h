#pragma once

#include <QString>
#include <array>

// The power chain of one antenna placement: from the transmitter's peak power,
// the feed-line and additional losses and the mode and transmit-time
// corrections to the power at the antenna and the EIRP.

constexpr int CableSectionCount = 4;

// The working values the power page fills from its fields. Text that cannot be
// read as a number has already become 0.
struct TPowerChainInput {
    double frequency = 0;                                // MHz
    std::array<double, CableSectionCount> length{};      // m
    std::array<double, CableSectionCount> lossPer100m{}; // dB per 100 m at 100 MHz
    double swr = 0;                                      // power/SWR meter, dB
    double tuner = 0;                                    // antenna tuner, dB
    double filter = 0;                                   // low-pass filter, dB
    double pairs = 0;                                    // connector pairs
    double perPair = 0;                                  // dB per connector pair
    double txPower = 0;                                  // W
    double modeAtt = 0;                                  // dB
    double timeAtt = 0;                                  // dB
    double gain = 0;                                     // antenna gain at 0°, dBi
    double feederManual = 0;
    double addManual = 0;
    bool calcFeeder = true; // feed-line loss from the sections, else feederManual
    bool calcAdd = true;    // additional loss from its rows, else addManual
};

// The texts of the result labels, rounded to 2 decimals (halves to even) with
// the decimal comma. Save reads them back as numbers.
struct TPowerChainLabels {
    std::array<QString, CableSectionCount> sectionLoss;
    QString feederTotal;
    QString addTotal;
    QString antPowerDbw;
    QString antPowerW;
    QString eirpDbw;
    QString eirpW;
    QString txPowerDbw; // the transmitter power in dBW, beside the power field
};

struct TPowerChainResult {
    double feederLoss = 0; // F, unrounded
    double addLoss = 0;    // A, unrounded
    double antPowerDbw = 0;
    double antPowerW = 1;
    double eirpDbw = 0;
    double eirpW = 1;
    bool powered = false; // false when the transmitter power is 0 or less
    TPowerChainLabels labels;
};

// What the dBW label beside the transmitter power shows for 0 W or less, where
// the conversion has no value.
QString NoPowerDbwText();

// Recomputes every result from the working values.
TPowerChainResult lossesRecalc(const TPowerChainInput &in);
