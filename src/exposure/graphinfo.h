#pragma once

#include "exposure/engine/limits.h"
#include "exposure/engine/patterntable.h"

#include <QString>
#include <QVector>
#include <array>
#include <optional>

// The record of the field-strength plot: one placement, read once when the
// plot window opens. Units as in the engine: m, W, dB, dBW, MHz, degrees.
struct TGraphInfo {
    QString callSign;
    QString siteName;
    QString placementRef;
    QString antennaType;
    QString antennaDescription;
    double antennaHeight = 0;  // m
    double txPower = 0;        // W
    double modeCorrection = 0; // dB
    double timeCorrection = 0; // dB
    double feederLoss = 0;     // dB
    double additionalLoss = 0; // dB
    double antennaPower = 0;   // dBW, no space attenuation
    double eirp = 0;           // dBW
    double frequency = 0;      // MHz
    double tilt = 0;           // degrees, positive raises the beam
    AntennaPattern pattern{};
    int apertureSize = 0;        // N wavelengths across; 0 for an ordinary antenna
    PatternTable patternTable{}; // the envelope table the field strength uses
    double nearFieldLimit = 0;   // A = λ × N²/4, m
    double farFieldLimit = 0;    // B = 0.6 × λ × N², m
    // How far the limit reaches in the direction of the largest gain; none
    // below 10 MHz and without a transmitter power.
    std::optional<double> safetyDistance;
};

// One point of a contour, in metres: X from the mast, Y above the ground.
struct TCurvePoint {
    double x = 0;
    double y = 0;
};

// 181 points, index i at (i − tilt) degrees from the upward vertical: 0 straight
// above the antenna, 90 on the beam axis, 180 straight below.
constexpr int CurvePointCount = 181;
using TCurve = std::array<TCurvePoint, CurvePointCount>;

// The three contours, in drawing order.
enum GraphLevel { LevelLow = 0, LevelWarning = 1, LevelLimit = 2, GraphLevelCount = 3 };

// One critical test point of the placement's site.
struct TGraphPoint {
    int number = 0;           // running number from 1
    double x = 0;             // distance, m
    double y = 0;             // height, m
    double fieldStrength = 0; // V/m, rounded to 2 decimals
    int colour = 0;           // verdict colour, red + 256 × green + 65536 × blue
    QString description;
};

// The extent of what is drawn, in metres.
struct TGraphRange {
    double maxX = 0;
    double maxY = 0;
    double minY = 0;
};

// Everything the plot draws.
struct TGraphData {
    TGraphInfo info;
    LimitLevels levels{0, 0, 0};
    std::array<TCurve, GraphLevelCount> contours{};
    TCurve safetyArc{}; // the safety distance around the antenna, from straight up to straight down
    QVector<TGraphPoint> points;
    TGraphRange range; // before the 10 % margin
};
