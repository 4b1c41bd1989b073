#pragma once

// The Bonne pseudoconic equal-area projection on the ellipsoid. The forward and
// the inverse side each keep their own constants between calls.
namespace meridox
{

int bonneforint(double a, double b, double centerLon, double lat1, double falseEast,
                double falseNorth);
int bonnefor(double lon, double lat, double *x, double *y);
int bonneinvint(double a, double b, double centerLon, double lat1, double falseEast,
                double falseNorth);
int bonneinv(double x, double y, double *lon, double *lat);

} // namespace meridox
