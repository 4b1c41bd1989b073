#pragma once

#include "exposure/engine/patterntable.h"

#include <QString>
#include <cmath>

// The station the user of run 1 enters, as one table per page, with what the pages
// should make of it worked out independently where that is simple arithmetic.
namespace Station
{

constexpr const char *Call = "ON4VLM";

// A garden in Gent, in Lambert 72 metres.
constexpr int LambertX = 104800;
constexpr int LambertY = 194000;

constexpr const char *YagiType = "9-element Yagi"; // from the catalogue
constexpr const char *YagiMake = "2 m band, horizontal";
constexpr const char *DishType = "Dish 120 cm"; // typed in as a custom antenna

struct PowerChain {
    const char *ref; // the placement
    AntennaPattern pattern;
    int apertureSize;
    double frequency; // MHz, the band centre
    double gain;      // dBi, the pattern at 0°
    double height;    // m
    double tilt;      // degrees
    double txPower;   // W
    const char *cable;
    double cableLossPer100m; // dB per 100 m at 100 MHz
    double cableLength;      // m
    const char *mode;
    double modeAtt; // dB
    const char *txTime;
    double txTimeAtt; // dB
};

// clang-format off
inline const PowerChain Chains[] = {
    // ref, pattern, N, MHz, dBi, height, tilt, W, cable, dB/100 m, m, mode, dB, time, dB
    {"Loc01-Ant01", {13, 12.5, 11, 8.4, 4.4, -1.2, -7, -7, -7, -7}, 0, 145, 13, 12, 5,
     100, "Aircell 7", 6.6, 20, "CW", 3.98, "3 of 6 min", 3.01},
    {"Loc01-Ant02", {27, 14, 9, 5, 2, 0, 0, 0, 0, 0}, 9, 2375, 27, 8, 0,
     10, "Ecoflex 15", 2.9, 5, "FM", 0, "1 of 6 min", 7.78},
};
// clang-format on
inline const PowerChain &Yagi = Chains[0]; // from the catalogue
inline const PowerChain &Dish = Chains[1]; // its pattern and size are typed in

// dBW at the antenna: the transmitter power less the feed line (its loss scaled with
// the square root of the frequency) and the mode and transmit-time corrections.
inline double AntennaPower(const PowerChain &c)
{
    const double feeder =
        c.cableLossPer100m * std::sqrt(c.frequency / 100.0) * c.cableLength / 100.0;
    return 10.0 * std::log10(c.txPower) - feeder - c.modeAtt - c.txTimeAtt;
}

struct Point {
    const char *ref;
    double distance; // m
    double height;   // m
    const char *attenuation;
    double attenuationLow;  // dB below 1000 MHz
    double attenuationHigh; // dB from 1000 MHz up
    const char *description;
};

inline const Point Points[] = {
    {"CTP_01", 10, 1.5, "Free field", 0, 0, "Neighbour's garden"},
    {"CTP_02", 6, 4, "Behind window glass", 1, 2, "Bedroom window"},
    {"CTP_03", 15, 1.5, "Free field", 0, 0, "Street"},
};

inline const PowerChain &ChainByRef(const QString &ref)
{
    for (const PowerChain &c : Chains) {
        if (ref == QLatin1String(c.ref))
            return c;
    }
    qFatal("no placement %s", qPrintable(ref));
}

inline const Point &PointByRef(const QString &ref)
{
    for (const Point &p : Points) {
        if (ref == QLatin1String(p.ref))
            return p;
    }
    qFatal("no point %s", qPrintable(ref));
}

} // namespace Station
