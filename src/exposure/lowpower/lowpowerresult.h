#pragma once

#include <array>

// The special low-power case: a station whose effective radiated power (ERP) stays within
// the classes of a clearance table needs no per-antenna evaluation, provided the antenna
// keeps the class's horizontal or vertical clearance from places where people may be.

// ERP classes in W and their clearances in m at scale 1.
constexpr int LowPowerClassCount = 12;
constexpr std::array<double, LowPowerClassCount> LowPowerClasses = {2, 3, 4,  5,  6,  7,
                                                                    8, 9, 10, 12, 15, 20};
constexpr std::array<double, LowPowerClassCount> LowPowerHorizontal = {
    0.0, 4.0, 4.6, 5.1, 5.6, 6.0, 6.4, 6.9, 7.2, 8.0, 8.8, 10.0};
constexpr std::array<double, LowPowerClassCount> LowPowerVertical = {0.0, 3.3, 3.6, 3.9, 4.2, 4.4,
                                                                     4.6, 4.8, 5.0, 5.3, 5.8, 6.5};

struct TLowPowerInput {
    double distA = 0.0;     // minimum horizontal clearance, m
    double distB = 0.0;     // minimum vertical clearance, m
    double power = 0.0;     // transmitter output power, W
    double gain = 0.0;      // maximum antenna gain, dBi
    double losses = 0.0;    // coax losses, dB
    double modeAtt = 0.0;   // mode correction, dB
    double txTimeAtt = 0.0; // transmit-time correction, dB
    double frequency = 0.0; // band centre, MHz
};

struct TLowPowerResult {
    double scale = 1.0; // frequency scale r of the clearances
    // The clearances scaled by r and rounded to 1 decimal, as the page shows them.
    std::array<double, LowPowerClassCount> horizontal{};
    std::array<double, LowPowerClassCount> vertical{};
    bool hasErp = false; // false for a power of 0 W (or inputs that give no number)
    double erpDbw = 0.0;
    double erpW = 0.0; // 0 when there is no ERP
    bool met = false;
    // Index of the highlighted column: the smallest class greater than the ERP; -1 when
    // the ERP is 20 W or more, or when there is no ERP.
    int highlight = -1;
};

// The frequency scale r: 1 up to 400 MHz, 19,97/√f from 401 to 2000 MHz, 0,45 from 2001
// to 65535 MHz and 1 above; the frequency is truncated to whole MHz for the choice.
double LowPowerScale(double frequency);

// ERP e = 10 log10(P) + G − 2,15 − mode − time − L (dBW), w = 10^(e/10) W. The
// requirements are met when a class k with w ≤ class k has A ≥ r × horizontal k or
// B ≥ r × vertical k. A power of 0 W (or less, or not a number) has no ERP: the result
// is "not met" with the ERP shown as 0 W, since nothing was shown to be safe.
TLowPowerResult ComputeLowPowerResult(const TLowPowerInput &input);
