#include "gctpbridge.h"

#include "projmath.h"
#include "spheroids.h"

#include <cmath>
#include <cstdlib>
// The package's header declares C functions without C++ linkage guards.
extern "C" {
#include <gctp/cproj.h>
}

namespace meridox
{
namespace
{

constexpr int ParamCount = 15;
constexpr long Utm = 1;
constexpr long StatePlane = 2;
constexpr long TransverseMercator = 9;
constexpr long Robinson = 21;
// The package's Robinson puts the poles at a northing of pi/2 on the unit
// sphere (its table is scaled so; Snyder's published table ends at 1.3523).
constexpr double RobinsonPoleNorthing = 1.5707963267948966;
constexpr long PackageSpheroidCount = 31; // the package knows codes 0 to 30

struct PackageSystem {
    long sys = 0;
    long zone = 0;
    long spheroid = 0;
    double param[ParamCount] = {};
};

// Translates one side into the package's terms. UTM becomes the transverse
// Mercator with the zone's constants, so that the zone comes from Param[3] as
// this library defines it.
int Prepare(int sys, const double *param, int spheroid, PackageSystem &out)
{
    out.sys = sys;
    out.zone = 0;
    for (int i = 0; i < ParamCount; ++i)
        out.param[i] = param ? param[i] : 0.0;
    if (sys == 0) {
        out.spheroid = 0;
        return ProjectionOk;
    }
    if (spheroid < 0) {
        out.spheroid = spheroid;
    } else if (spheroid < PackageSpheroidCount) {
        out.spheroid = spheroid;
    } else if (spheroid < SpheroidCount) {
        // A table spheroid the package does not know: hand over its axes.
        const SpheroidAxes axes = SpheroidFor(spheroid, nullptr);
        out.spheroid = -1;
        out.param[0] = axes.semiMajor;
        out.param[1] = axes.semiMinor;
    } else {
        out.spheroid = 0;
    }
    if (sys == StatePlane)
        return ErrorStatePlaneZone; // needs a positive zone and zone files; never given
    if (sys == Utm) {
        const double zoneValue = param ? std::trunc(param[3]) : 0.0;
        if (!(std::fabs(zoneValue) >= 1.0 && std::fabs(zoneValue) <= 60.0))
            return ErrorUtmZone;
        const long zone = static_cast<long>(zoneValue);
        const bool south = zone < 0 || (param && std::trunc(param[4]) == 1.0);
        const double scale = (param && param[2] > 0.0) ? param[2] : 0.9996;
        const double centralMeridian = static_cast<double>(std::labs(zone) * 6 - 183);
        const double axes0 = out.param[0], axes1 = out.param[1];
        for (double &p : out.param)
            p = 0.0;
        out.param[0] = axes0;
        out.param[1] = axes1;
        out.param[2] = scale;
        out.param[4] = centralMeridian * 1000000.0; // packed degrees
        out.param[5] = 0.0;
        out.param[6] = 500000.0;
        out.param[7] = south ? 10000000.0 : 0.0;
        out.sys = TransverseMercator;
    }
    return ProjectionOk;
}

void CallPackage(double *inCoord, PackageSystem &source, double *outCoord, PackageSystem &target,
                 long *flag)
{
    long inUnit = source.sys == 0 ? 0 : 2; // radians or metres
    long outUnit = target.sys == 0 ? 0 : 2;
    long report = -1; // -1: the package prints nothing
    long errorReport = -1;
    char noFile[] = "";
    char fn27[] = "";
    char fn83[] = "";
    *flag = 0;
    gctp(inCoord, &source.sys, &source.zone, source.param, &inUnit, &source.spheroid, &errorReport,
         noFile, &report, noFile, outCoord, &target.sys, &target.zone, target.param, &outUnit,
         &target.spheroid, fn27, fn83, flag);
}

// The package remembers each system's parameters per code and side before it
// has checked them: after a failed set-up, a second call with the same
// parameters skips the set-up and calls through a transformation it never
// installed. The zone is part of what it remembers and means nothing to the
// systems called here, so after a failure the next call on that side passes
// the other zone value, which makes the package set the system up again.
long zoneInUse[2][32] = {};

enum Side { InverseSide = 0, ForwardSide = 1 };

// The package's Robinson inverse reads its coefficient table at an index
// derived from the northing without a bound: a point beyond the poles' northing
// would make it read far outside the table.
bool OutsideRobinson(const double in[2], const PackageSystem &system)
{
    double radius = DefaultSphereRadius;
    if (system.spheroid < 0)
        radius = SpheroidFor(static_cast<int>(system.spheroid), system.param).radius;
    const double northing = in[1] - system.param[7];
    return !std::isfinite(in[0]) || !std::isfinite(northing) ||
           std::fabs(northing) > RobinsonPoleNorthing * radius;
}

// Several of the package's iterations stop only on convergence: a NaN or an
// infinity among the point or the parameters would keep them turning forever.
bool AllFinite(const double in[2], const PackageSystem &system)
{
    if (!std::isfinite(in[0]) || !std::isfinite(in[1]))
        return false;
    for (double p : system.param)
        if (!std::isfinite(p))
            return false;
    return true;
}

// One step with the geographic system on the other side, so that a failure
// is known to belong to the projected side.
int Step(Side side, const double in[2], PackageSystem &projected, double out[2])
{
    PackageSystem geographic;
    if (!AllFinite(in, projected))
        return ErrorOutsideProjection;
    if (side == InverseSide && projected.sys == Robinson && OutsideRobinson(in, projected))
        return ErrorOutsideProjection;
    long &zone = zoneInUse[side][projected.sys];
    projected.zone = zone;
    double inCoord[2] = {in[0], in[1]};
    double outCoord[2] = {0.0, 0.0};
    long flag = 0;
    if (side == InverseSide)
        CallPackage(inCoord, projected, outCoord, geographic, &flag);
    else
        CallPackage(inCoord, geographic, outCoord, projected, &flag);
    if (flag != 0) {
        zone = zone == 0 ? 1 : 0;
        return static_cast<int>(flag);
    }
    out[0] = outCoord[0];
    out[1] = outCoord[1];
    return ProjectionOk;
}

} // namespace

int GctpTransform(const double in[2], int inSys, const double *inParam, int inSpheroid,
                  double out[2], int outSys, const double *outParam, int outSpheroid)
{
    PackageSystem source;
    PackageSystem target;
    int error = Prepare(inSys, inParam, inSpheroid, source);
    if (error != ProjectionOk)
        return error;
    error = Prepare(outSys, outParam, outSpheroid, target);
    if (error != ProjectionOk)
        return error;
    double point[2] = {in[0], in[1]};
    if (source.sys != 0) {
        error = Step(InverseSide, point, source, point);
        if (error != ProjectionOk)
            return error;
    }
    if (target.sys != 0) {
        error = Step(ForwardSide, point, target, point);
        if (error != ProjectionOk)
            return error;
    }
    out[0] = point[0];
    out[1] = point[1];
    return ProjectionOk;
}

} // namespace meridox
