#include "projectionengine.h"

#include "bonne.h"
#include "gctpbridge.h"
#include "lambert72.h"
#include "packeddms.h"
#include "projmath.h"
#include "spheroids.h"
#include "swiss.h"

#include <cstring>

namespace meridox
{
namespace
{

constexpr int ParamCount = 15;
constexpr int LastPackageCode = 30;

struct CacheEntry {
    bool valid = false;
    int zone = 0;
    int spheroid = 0;
    double param[ParamCount] = {};

    bool matches(int z, int s, const double *p) const
    {
        return valid && zone == z && spheroid == s && std::memcmp(param, p, sizeof param) == 0;
    }
    void store(int z, int s, const double *p)
    {
        valid = true;
        zone = z;
        spheroid = s;
        std::memcpy(param, p, sizeof param);
    }
};

// Indexed by code, for the inverse (0) and forward (1) side.
CacheEntry cache[2][LastProjectionCode + 1];

enum Side { Inverse = 0, Forward = 1 };

// Unit factor to radians (geographic side) or metres (projected side); 0 for a
// unit that does not suit the side.
double UnitFactor(int unit, bool geographic)
{
    if (geographic) {
        switch (unit) {
        case 0:
            return 1.0;
        case 3:
            return 4.848136811095359e-6;
        case 4:
            return 0.017453292519943292;
        default:
            return 0.0;
        }
    }
    switch (unit) {
    case 1:
        return 1200.0 / 3937.0;
    case 2:
        return 1.0;
    case 5:
        return 0.3048;
    default:
        return 0.0;
    }
}

// Semi-axes and unpacked angles for an own projection.
struct OwnSetup {
    double a = 0.0, b = 0.0;
    double angle[4] = {}; // Param[2..5] in radians
};

int PrepareOwn(int code, const double *param, int spheroid, OwnSetup &setup)
{
    const SpheroidAxes axes = SpheroidFor(spheroid, param);
    setup.a = axes.semiMajor;
    setup.b = axes.semiMinor;
    const int first = code == Lambert72Code ? 2 : 4;
    for (int i = first; i <= 5; ++i) {
        const int error = UnpackDms(param[i], &setup.angle[i - 2]);
        if (error != ProjectionOk)
            return error;
    }
    return ProjectionOk;
}

int InitOwn(int code, Side side, const double *param, int spheroid)
{
    OwnSetup s;
    const int error = PrepareOwn(code, param, spheroid, s);
    if (error != ProjectionOk)
        return error;
    const double lat1 = s.angle[0], lat2 = s.angle[1], lon0 = s.angle[2], lat0 = s.angle[3];
    const double fe = param[6], fn = param[7];
    switch (code) {
    case SwissCode:
        return side == Forward ? swissforint(s.a, s.b, lon0, lat0, fe, fn)
                               : swissinvint(s.a, s.b, lon0, lat0, fe, fn);
    case Lambert72Code:
        return side == Forward ? lam72forint(s.a, s.b, lat1, lat2, lon0, lat0, fe, fn)
                               : lam72invint(s.a, s.b, lat1, lat2, lon0, lat0, fe, fn);
    default: // BONNE: Param[5] is its standard parallel
        return side == Forward ? bonneforint(s.a, s.b, lon0, lat0, fe, fn)
                               : bonneinvint(s.a, s.b, lon0, lat0, fe, fn);
    }
}

int OwnInverse(int code, const double *param, int zone, int spheroid, double x, double y,
               double *lon, double *lat)
{
    CacheEntry &entry = cache[Inverse][code];
    if (!entry.matches(zone, spheroid, param)) {
        entry.valid = false;
        const int error = InitOwn(code, Inverse, param, spheroid);
        if (error != ProjectionOk)
            return error;
        entry.store(zone, spheroid, param);
    }
    switch (code) {
    case SwissCode:
        return swissinv(x, y, lon, lat);
    case Lambert72Code:
        return lam72inv(x, y, lon, lat);
    default:
        return bonneinv(x, y, lon, lat);
    }
}

int OwnForward(int code, const double *param, int zone, int spheroid, double lon, double lat,
               double *x, double *y)
{
    CacheEntry &entry = cache[Forward][code];
    if (!entry.matches(zone, spheroid, param)) {
        entry.valid = false;
        const int error = InitOwn(code, Forward, param, spheroid);
        if (error != ProjectionOk)
            return error;
        entry.store(zone, spheroid, param);
    }
    switch (code) {
    case SwissCode:
        return swissfor(lon, lat, x, y);
    case Lambert72Code:
        return lam72for(lon, lat, x, y);
    default:
        return bonnefor(lon, lat, x, y);
    }
}

bool IsPackageCode(int code)
{
    return code >= 1 && code <= LastPackageCode;
}

const double ZeroParams[ParamCount] = {};

} // namespace

int Transform(const double in[2], int inSys, int inZone, const double *inParam, int inUnit,
              int inSpheroid, double out[2], int outSys, int outZone, const double *outParam,
              int outUnit, int outSpheroid)
{
    if (inSys < 0 || inSys > LastProjectionCode)
        return ErrorInsysIllegal;
    if (outSys < 0 || outSys > LastProjectionCode)
        return ErrorOutsysIllegal;
    if (inParam == nullptr)
        inParam = ZeroParams;
    if (outParam == nullptr)
        outParam = ZeroParams;
    const double inFactor = UnitFactor(inUnit, inSys == 0);
    const double outFactor = UnitFactor(outUnit, outSys == 0);
    if (inFactor == 0.0 || outFactor == 0.0)
        return ErrorIllegalUnit;

    double point[2] = {in[0] * inFactor, in[1] * inFactor};
    int error = ProjectionOk;

    if (IsPackageCode(inSys) && (outSys == 0 || IsPackageCode(outSys))) {
        // Both sides in the package: one call.
        error =
            GctpTransform(point, inSys, inParam, inSpheroid, point, outSys, outParam, outSpheroid);
        if (error != ProjectionOk)
            return error;
    } else {
        if (IsPackageCode(inSys)) {
            error = GctpTransform(point, inSys, inParam, inSpheroid, point, 0, ZeroParams, 0);
        } else if (inSys != 0) {
            double lon = 0.0, lat = 0.0;
            error = OwnInverse(inSys, inParam, inZone, inSpheroid, point[0], point[1], &lon, &lat);
            point[0] = lon;
            point[1] = lat;
        }
        if (error != ProjectionOk)
            return error;
        if (IsPackageCode(outSys)) {
            error = GctpTransform(point, 0, ZeroParams, 0, point, outSys, outParam, outSpheroid);
        } else if (outSys != 0) {
            double x = 0.0, y = 0.0;
            error = OwnForward(outSys, outParam, outZone, outSpheroid, point[0], point[1], &x, &y);
            point[0] = x;
            point[1] = y;
        }
        if (error != ProjectionOk)
            return error;
    }
    out[0] = point[0] / outFactor;
    out[1] = point[1] / outFactor;
    return ProjectionOk;
}

const char *ProjectionTitle(int code)
{
    static const char *const titles[LastProjectionCode + 1] = {
        "GEOGRAPHIC",
        "UNIVERSAL TRANSVERSE MERCATOR (UTM)",
        "STATE PLANE",
        "ALBERS CONICAL EQUAL-AREA",
        "LAMBERT CONFORMAL CONIC",
        "MERCATOR",
        "POLAR STEREOGRAPHIC",
        "POLYCONIC",
        "EQUIDISTANT CONIC",
        "TRANSVERSE MERCATOR (TM)",
        "STEREOGRAPHIC",
        "LAMBERT AZIMUTHAL EQUAL-AREA",
        "AZIMUTHAL EQUIDISTANT",
        "GNOMONIC",
        "ORTHOGRAPHIC",
        "GENERAL VERTICAL NEAR-SIDE PERSPECTIVE",
        "SINUSOIDAL",
        "EQUIRECTANGULAR",
        "MILLER CYLINDRICAL",
        "VAN DER GRINTEN",
        "OBLIQUE MERCATOR (HOTINE)",
        "ROBINSON",
        "SPACE OBLIQUE MERCATOR",
        "ALASKA CONFORMAL",
        "GOODE'S HOMOLOSINE EQUAL-AREA",
        "MOLLWEIDE",
        "INTERRUPTED MOLLWEIDE EQUAL-AREA",
        "HAMMER",
        "WAGNER IV",
        "WAGNER VII",
        "OBLATED EQUAL-AREA",
        "SWISS",
        "LAMBERT 72",
        "BONNE",
    };
    return (code >= 0 && code <= LastProjectionCode) ? titles[code] : "";
}

void ResetProjectionCache()
{
    for (auto &side : cache) {
        for (CacheEntry &entry : side)
            entry.valid = false;
    }
}

} // namespace meridox
