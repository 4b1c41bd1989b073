#pragma once

// Projection codes 1 to 30 through the projection package's transformation
// entry. Geographic values are radians (longitude, latitude), projected values
// metres. The package keeps global state and is not reentrant.
namespace meridox
{

// One call from system inSys to system outSys (either may be 0, geographic).
// The spheroid rule of the library's table and the UTM zone rule are applied
// before the package sees the parameters. The output is written only on success.
int GctpTransform(const double in[2], int inSys, const double *inParam, int inSpheroid,
                  double out[2], int outSys, const double *outParam, int outSpheroid);

} // namespace meridox
