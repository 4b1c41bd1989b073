#pragma once

// The projection engine: converts a point between geographic coordinates and
// the plane coordinates of a projected system, given its code (0 geographic,
// 1..30 the projection package, 31 SWISS, 32 LAMBERT 72, 33 BONNE), zone,
// fifteen parameters (angles packed DDDMMMSSS.SS) and spheroid code.
//
// Units: 0 radians, 1 US feet, 2 metres, 3 arc-seconds, 4 degrees,
// 5 international feet. Returns 0 or an error code; on error the output pair is
// left untouched. Each code keeps its initialisation per side and is set up
// again only when its zone, spheroid or parameters change. Global state: one
// call at a time.
namespace meridox
{

constexpr int LastProjectionCode = 33;
constexpr int SwissCode = 31;
constexpr int Lambert72Code = 32;
constexpr int BonneCode = 33;

int Transform(const double in[2], int inSys, int inZone, const double *inParam, int inUnit,
              int inSpheroid, double out[2], int outSys, int outZone, const double *outParam,
              int outUnit, int outSpheroid);

// The engine's title of a projection code, or an empty text.
const char *ProjectionTitle(int code);

// Forgets every cached initialisation (tests).
void ResetProjectionCache();

} // namespace meridox
