#pragma once

// The coordinate systems the program registers with the conversion library at
// start-up, as definition lines in the library's format. They cross the
// boundary in Windows-1252: ASCII apart from the degree sign, the byte 0xB0.
// Header-only and free of Qt, so that the library's own tests check exactly
// what the program registers.

namespace conversiondefinitions
{

inline constexpr const char *ParisMeridian = "2.2014025\xB0";

inline constexpr const char *Lt72 = "Lambert 72 Belgique,32,BD72,26,0,0,49.50\xB0,51.10\xB0,"
                                    "4.2124983\xB0,90\xB0,150000.01,5400088.44";

inline constexpr const char *Wgs84 = "WGS84,0,WGS84,12,0,0,0,0,0";

// BD72 relative to WGS84 by the 7-parameter Helmert set of EPSG:15929
// (translations in metres, rotations in arc-seconds, scale in ppm), accurate
// to about a metre; the library applies rotations as position vectors, so the
// signs of the rotations are the reverse of EPSG's coordinate-frame values.
// The older 3-parameter translation (-125.8, 79.9, -100.5) was off by up to
// 1.6 m across Belgium.
inline constexpr const char *Bd72 = "Belgique 1972 (BD72),0,BD72,26,0,0,-106.8686,52.2978,"
                                    "-103.7239,0.3366,-0.457,1.8422,-1.2747";

} // namespace conversiondefinitions
