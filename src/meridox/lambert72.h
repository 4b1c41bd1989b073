#pragma once

// Lambert 72: the Lambert conformal conic with two standard parallels whose
// grid is turned by 29.2985 arc-seconds about the apex. The forward and the
// inverse side each keep their own constants between calls.
namespace meridox
{

int lam72forint(double a, double b, double lat1, double lat2, double centerLon, double centerLat,
                double falseEast, double falseNorth);
int lam72for(double lon, double lat, double *x, double *y);
int lam72invint(double a, double b, double lat1, double lat2, double centerLon, double centerLat,
                double falseEast, double falseNorth);
int lam72inv(double x, double y, double *lon, double *lat);

// Cone constant of the forward side (for tests).
double Lambert72ForwardNs();

} // namespace meridox
