#pragma once

// Semi-major and semi-minor axes of the known spheroids, and the rule for a
// spheroid given by its axes (negative code).
namespace meridox
{

struct SpheroidAxes {
    double semiMajor = 0.0;
    double semiMinor = 0.0;
    double radius = 0.0;
};

constexpr int SpheroidCount = 32;
constexpr double DefaultSphereRadius = 6370997.0;

// Code 0..31 from the table (radius 6370997); above 31 as code 0; negative
// codes take the axes from param[0] and param[1].
SpheroidAxes SpheroidFor(int code, const double *param);

} // namespace meridox
