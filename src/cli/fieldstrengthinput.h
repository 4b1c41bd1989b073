#pragma once

#include "exposure/engine/patterntable.h"

#include <string>
#include <string_view>

// One field-strength question: a placement and a point, as the engine takes them.
struct FieldStrengthInput {
    AntennaPattern pattern{};
    int apertureSize = 0;
    double f = 0.0;  // MHz
    double t = 0.0;  // tilt, degrees
    double d = 0.0;  // horizontal distance, m
    double hp = 0.0; // point height, m
    double pd = 0.0; // power at the antenna minus space attenuation, dBW
    double ha = 0.0; // antenna height, m
};

struct FieldStrengthAnswer {
    double e = 0.0; // V/m
    int verdict = 0;
    int summaryClass = 0;
};

FieldStrengthAnswer Evaluate(const FieldStrengthInput &input);

// The number of fields of a batch line: G0 … G9 N f t d hp Pd ha.
constexpr int BatchFieldCount = 17;

// Reads one batch line of 17 numbers separated by blanks or tabs. On failure
// returns false and says why in error (without the line number).
bool ParseBatchLine(std::string_view line, FieldStrengthInput &input, std::string &error);
