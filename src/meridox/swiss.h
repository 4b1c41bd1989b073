#pragma once

// The Swiss oblique conformal cylindrical projection. The forward and the
// inverse side each keep their own constants between calls.
namespace meridox
{

int swissforint(double a, double b, double centerLon, double centerLat, double falseEast,
                double falseNorth);
int swissfor(double lon, double lat, double *x, double *y);
int swissinvint(double a, double b, double centerLon, double centerLat, double falseEast,
                double falseNorth);
// The latitude is found by a stepwise search on the forward northing; a search
// that has not settled after SwissSearchLimit rounds ends in ErrorSearchDiverged.
int swissinv(double x, double y, double *lon, double *lat);

constexpr int SwissSearchLimit = 100000;

} // namespace meridox
