// The projection engine: entry checks, parameter unpacking, Lambert 72, SWISS,
// BONNE and the package's projections.
#include "cconversion.h"
#include "lambert72.h"
#include "packeddms.h"
#include "projectionengine.h"
#include "projmath.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

constexpr double Pi = 3.141592653589793;
constexpr int Radians = 0;
constexpr int Metres = 2;
const double Zero[15] = {};

double Dms(double d, double m, double s)
{
    return (d + m / 60.0 + s / 3600.0) * Pi / 180.0;
}

CCoord Parsed(const char *line)
{
    CCoord coord;
    CConversion::ParseLine(coord, "P", line);
    return coord;
}

const char *const Lt72Line = "Lambert 72 Belgique,32,BD72,26,0,0,49.50\xB0,51.10\xB0,4.2124983\xB0,"
                             "90\xB0,150000.01,5400088.44";

int Forward(const CCoord &c, double lon, double lat, double *x, double *y)
{
    const double in[2] = {lon, lat};
    double out[2] = {0.0, 0.0};
    const int error = meridox::Transform(in, 0, 0, Zero, Radians, -1, out, c.Type, -1, c.Param,
                                         Metres, c.Spheroid);
    *x = out[0];
    *y = out[1];
    return error;
}

int Inverse(const CCoord &c, double x, double y, double *lon, double *lat)
{
    const double in[2] = {x, y};
    double out[2] = {0.0, 0.0};
    const int error = meridox::Transform(in, c.Type, -1, c.Param, Metres, c.Spheroid, out, 0, 0,
                                         Zero, Radians, -1);
    *lon = out[0];
    *lat = out[1];
    return error;
}

struct UnpackCase {
    const char *why;
    double packed;
    int error;
    double radians;
};

TEST(PackedDms, Unpack)
{
    const UnpackCase cases[] = {
        {"49 degrees 50 minutes", 49050000.0, 0, Dms(49, 50, 0)},
        {"negative angle", -4021024.983, 0, -Dms(4, 21, 24.983)},
        {"one second below the minute", 49049059.99999, 0, Dms(49, 49, 59.99999)},
        {"61 minutes", 49061000.0, meridox::ErrorIllegalDms, 0.0},
        {"seconds above 60", 49000061.0, meridox::ErrorIllegalDms, 0.0},
        {"degrees above 360", 361000000.0, meridox::ErrorIllegalDms, 0.0},
    };
    for (const auto &c : cases) {
        double radians = 0.0;
        EXPECT_EQ(meridox::UnpackDms(c.packed, &radians), c.error) << c.why;
        if (c.error == 0) {
            EXPECT_NEAR(radians, c.radians, 1e-12) << c.why;
        }
    }
}

TEST(ProjectionEngine, IllegalSystemsLeaveTheOutputUntouched)
{
    const double in[2] = {1.0, 2.0};
    double out[2] = {7.0, 8.0};
    EXPECT_EQ(meridox::Transform(in, 34, 0, Zero, 2, 0, out, 0, 0, Zero, 0, 0), 1);
    EXPECT_EQ(meridox::Transform(in, -1, 0, Zero, 2, 0, out, 0, 0, Zero, 0, 0), 1);
    EXPECT_EQ(meridox::Transform(in, 0, 0, Zero, 0, 0, out, 34, 0, Zero, 2, 0), 2);
    EXPECT_EQ(out[0], 7.0);
    EXPECT_EQ(out[1], 8.0);
    EXPECT_STREQ(meridox::ProjectionTitle(32), "LAMBERT 72");
    EXPECT_STREQ(meridox::ProjectionTitle(34), "");
}

TEST(ProjectionEngine, UnitFactors)
{
    const CCoord lt72 = Parsed(Lt72Line);
    const double degrees[2] = {4.5, 50.5};
    double metres[2], feet[2];
    ASSERT_EQ(meridox::Transform(degrees, 0, 0, Zero, 4, -1, metres, 32, -1, lt72.Param, 2, 26), 0);
    ASSERT_EQ(meridox::Transform(degrees, 0, 0, Zero, 4, -1, feet, 32, -1, lt72.Param, 5, 26), 0);
    EXPECT_NEAR(feet[0] * 0.3048, metres[0], 1e-6);
    EXPECT_NEAR(feet[1] * 0.3048, metres[1], 1e-6);
    EXPECT_EQ(meridox::Transform(degrees, 0, 0, Zero, 2, -1, metres, 32, -1, lt72.Param, 2, 26),
              meridox::ErrorIllegalUnit)
        << "metres are no unit for a geographic input";
}

TEST(Lambert72, PublishedWorkedExample)
{
    // BD72 50°40'46.461"N 5°48'26.533"E is E 251763.20 m, N 153034.13 m.
    const CCoord lt72 = Parsed(Lt72Line);
    double x, y;
    ASSERT_EQ(Forward(lt72, Dms(5, 48, 26.533), Dms(50, 40, 46.461), &x, &y), 0);
    EXPECT_NEAR(x, 251763.20, 0.01);
    EXPECT_NEAR(y, 153034.13, 0.01);
    EXPECT_NEAR(meridox::Lambert72ForwardNs(), 0.7716422, 1e-7);
    double lon, lat;
    ASSERT_EQ(Inverse(lt72, 251763.20, 153034.13, &lon, &lat), 0);
    EXPECT_NEAR(lon, Dms(5, 48, 26.533), 0.01 / 6.4e6);
    EXPECT_NEAR(lat, Dms(50, 40, 46.461), 0.01 / 6.4e6);
}

TEST(Lambert72, RoundTripAcrossBelgium)
{
    const CCoord lt72 = Parsed(Lt72Line);
    for (double latDeg = 49.4; latDeg <= 51.6; latDeg += 0.2) {
        for (double lonDeg = 2.4; lonDeg <= 6.5; lonDeg += 0.2) {
            const double lon = lonDeg * Pi / 180.0, lat = latDeg * Pi / 180.0;
            double x, y, lon2, lat2;
            ASSERT_EQ(Forward(lt72, lon, lat, &x, &y), 0);
            ASSERT_EQ(Inverse(lt72, x, y, &lon2, &lat2), 0);
            EXPECT_NEAR(lon2, lon, 1e-9);
            EXPECT_NEAR(lat2, lat, 1e-9);
        }
    }
}

TEST(Lambert72, PoleAndRotation)
{
    const CCoord lt72 = Parsed(Lt72Line);
    double x, y;
    ASSERT_EQ(Forward(lt72, 0.3, Pi / 2.0, &x, &y), 0);
    EXPECT_DOUBLE_EQ(x, 150000.01);
    EXPECT_DOUBLE_EQ(y, 5400088.44) << "rho0 is 0 for the latitude of origin at the pole";
    double lon, lat;
    ASSERT_EQ(Inverse(lt72, x, y, &lon, &lat), 0);
    EXPECT_DOUBLE_EQ(lat, Pi / 2.0);
    EXPECT_EQ(Forward(lt72, 0.3, -Pi / 2.0, &x, &y), meridox::ErrorNotProjectable);

    // The same cone without the rotation (code 4 of the package) differs by
    // about rho * alpha on the central meridian.
    CCoord plain = lt72;
    plain.Type = 4;
    const double lon0 = Dms(4, 21, 24.983), lat50 = 50.5 * Pi / 180.0;
    double xPlain, yPlain;
    ASSERT_EQ(Forward(lt72, lon0, lat50, &x, &y), 0);
    ASSERT_EQ(Forward(plain, lon0, lat50, &xPlain, &yPlain), 0);
    const double rho = 5400088.44 - y;
    EXPECT_NEAR(xPlain - x, rho * 0.00014204313635987728, 0.01);
}

TEST(Lambert72, OppositeParallelsFailInitialisation)
{
    CCoord c = Parsed("L,32,D,26,0,0,49.50\xB0,-49.50\xB0,4\xB0,90\xB0,0,0");
    double x, y;
    EXPECT_EQ(Forward(c, 0.07, 0.88, &x, &y), meridox::ErrorEqualLatitudes);
    double lon, lat;
    EXPECT_EQ(Inverse(c, 1000.0, 2000.0, &lon, &lat), meridox::ErrorEqualLatitudes);
}

TEST(Lambert72, IllegalPackedParameter)
{
    // A value without suffix is taken as packed: 61 minutes is illegal.
    CCoord c = Parsed("L,32,D,26,0,0,49061000,51010000,4021024.983,90000000,150000.01,5400088.44");
    double x = 3.0, y = 4.0;
    EXPECT_EQ(Forward(c, 0.07, 0.88, &x, &y), meridox::ErrorIllegalDms);
    CCoord good =
        Parsed("L,32,D,26,0,0,49050000,51010000,4021024.983,90000000,150000.01,5400088.44");
    EXPECT_EQ(Forward(good, 0.07, 0.88, &x, &y), 0);
}

TEST(Swiss, RoundTripWithinTheSearchTolerance)
{
    // Bern origin on the Bessel spheroid.
    const CCoord swiss = Parsed("CH,31,CH,2,0,0,0,0,7.26225\xB0,46.570866\xB0,600000,200000");
    const double points[][2] = {{7.4386, 46.9511},
                                {8.5417, 47.3769},
                                {6.1432, 46.2044},
                                {9.8355, 46.4983},
                                {7.43863, 46.95108}};
    for (const auto &p : points) {
        const double lon = p[0] * Pi / 180.0, lat = p[1] * Pi / 180.0;
        double x, y, lon2, lat2;
        ASSERT_EQ(Forward(swiss, lon, lat, &x, &y), 0);
        ASSERT_EQ(Inverse(swiss, x, y, &lon2, &lat2), 0);
        EXPECT_NEAR(lon2, lon, 1e-9);
        EXPECT_NEAR(lat2, lat, 0.001 / 6.4e6);
        double x2, y2;
        ASSERT_EQ(Forward(swiss, lon2, lat2, &x2, &y2), 0);
        EXPECT_NEAR(y2, y, 0.001);
    }
}

TEST(Swiss, TwoSystemsDoNotDisturbEachOther)
{
    // Inverse in one system followed by forward in another must use each
    // system's own constants.
    const CCoord a = Parsed("A,31,A,2,0,0,0,0,7.26225\xB0,46.570866\xB0,600000,200000");
    const CCoord b = Parsed("B,31,B,2,0,0,0,0,9\xB0,47\xB0,0,0");
    const double lon = 8.0 * Pi / 180.0, lat = 47.2 * Pi / 180.0;
    double xb, yb;
    ASSERT_EQ(Forward(b, lon, lat, &xb, &yb), 0);
    double xa, ya, lonA, latA;
    ASSERT_EQ(Forward(a, lon, lat, &xa, &ya), 0);
    ASSERT_EQ(Inverse(a, xa, ya, &lonA, &latA), 0);
    double xb2, yb2;
    ASSERT_EQ(Forward(b, lonA, latA, &xb2, &yb2), 0);
    EXPECT_NEAR(xb2, xb, 0.01);
    EXPECT_NEAR(yb2, yb, 0.01);
}

TEST(Bonne, RoundTripAndWrap)
{
    const CCoord bonne = Parsed("B,33,B,12,0,0,0,0,10\xB0,45\xB0,1000,2000");
    const double lon = 12.5 * Pi / 180.0, lat = 48.0 * Pi / 180.0;
    double x, y, lon2, lat2;
    ASSERT_EQ(Forward(bonne, lon, lat, &x, &y), 0);
    ASSERT_EQ(Inverse(bonne, x, y, &lon2, &lat2), 0);
    EXPECT_NEAR(lon2, lon, 1e-9);
    EXPECT_NEAR(lat2, lat, 1e-7);

    // lambda0 + pi + 0.1 is the same meridian as lambda0 - pi + 0.1.
    const double lon0 = 10.0 * Pi / 180.0;
    double xWrapped, yWrapped, xDirect, yDirect;
    ASSERT_EQ(Forward(bonne, lon0 + Pi + 0.1, lat, &xWrapped, &yWrapped), 0);
    ASSERT_EQ(Forward(bonne, lon0 - Pi + 0.1, lat, &xDirect, &yDirect), 0);
    EXPECT_NEAR(xWrapped, xDirect, 1e-6);
    EXPECT_NEAR(yWrapped, yDirect, 1e-6);
}

TEST(Bonne, PoleOnTheStandardParallel)
{
    const CCoord bonne = Parsed("B,33,B,12,0,0,0,0,10\xB0,90\xB0,1000,2000");
    double x = 5.0, y = 5.0;
    ASSERT_EQ(Forward(bonne, 0.3, Pi / 2.0, &x, &y), 0);
    double lon, lat;
    ASSERT_EQ(Inverse(bonne, 1000.0, 2000.0, &lon, &lat), 0);
    EXPECT_NEAR(lon, 10.0 * Pi / 180.0, 1e-12) << "near the pole the longitude is lambda0";
}

struct UtmCase {
    const char *why;
    const char *line;
    double lonDeg;
    double latDeg;
    double northingOffset;
};

TEST(PackageProjections, UtmZoneRule)
{
    // Zone 31 (central meridian 3 degrees east): the false northing comes from
    // a negative zone or from Param[4] = 1.
    const CCoord north = Parsed("U,1,W,12,0,0,0,31");
    double xNorth, yNorth;
    ASSERT_EQ(Forward(north, 3.0 * Pi / 180.0, 50.0 * Pi / 180.0, &xNorth, &yNorth), 0);
    EXPECT_NEAR(xNorth, 500000.0, 1e-6);
    EXPECT_NEAR(yNorth, 5538630.70, 0.01) << "northern hemisphere, no false northing";

    const UtmCase southern[] = {
        {"Param[4] = 1 with a positive zone", "U,1,W,12,0,0,0,31,1", 3.0, 50.0, 10000000.0},
        {"negative zone", "U,1,W,12,0,0,0,-31", 3.0, 50.0, 10000000.0},
    };
    for (const auto &c : southern) {
        const CCoord utm = Parsed(c.line);
        double x, y;
        ASSERT_EQ(Forward(utm, c.lonDeg * Pi / 180.0, c.latDeg * Pi / 180.0, &x, &y), 0) << c.why;
        EXPECT_NEAR(y - yNorth, c.northingOffset, 1e-6) << c.why;
        double lon, lat;
        ASSERT_EQ(Inverse(utm, x, y, &lon, &lat), 0) << c.why;
        EXPECT_NEAR(lat, c.latDeg * Pi / 180.0, 1e-9) << c.why;
    }

    const CCoord scaled = Parsed("U,1,W,12,0,0,1,31");
    double x, y;
    ASSERT_EQ(Forward(scaled, 3.0 * Pi / 180.0, 50.0 * Pi / 180.0, &x, &y), 0);
    EXPECT_NEAR(y / yNorth, 1.0 / 0.9996, 1e-9) << "Param[2] is the scale factor";

    for (const char *line : {"U,1,W,12,0,0,0,0", "U,1,W,12,0,0,0,61", "U,1,W,12,0,0,0,-61"}) {
        const CCoord bad = Parsed(line);
        EXPECT_EQ(Forward(bad, 0.05, 0.87, &x, &y), meridox::ErrorUtmZone) << line;
    }
}

TEST(PackageProjections, StatePlaneNeedsAZone)
{
    const CCoord sp = Parsed("S,2,N,0,0,0,0,0");
    const double in[2] = {-1.5, 0.7};
    double out[2] = {1.0, 2.0};
    EXPECT_EQ(meridox::Transform(in, 0, 0, Zero, Radians, -1, out, 2, -1, sp.Param, Metres, 0),
              meridox::ErrorStatePlaneZone);
    EXPECT_EQ(out[0], 1.0);
    EXPECT_EQ(out[1], 2.0);
}

TEST(PackageProjections, FailedSetUpFailsAgainOnTheSameParameters)
{
    // Sinusoidal with 66 seconds in its central meridian: the package rejects
    // it, and must reject it again (not crash) when asked a second time.
    const CCoord bad = Parsed("S,16,D,12,0,0,0,0,66,0,0,0");
    for (int attempt = 0; attempt < 3; ++attempt) {
        double x = 1.0, y = 2.0;
        EXPECT_EQ(Forward(bad, 0.1, 0.8, &x, &y), meridox::ErrorIllegalDms) << attempt;
        double lon, lat;
        EXPECT_EQ(Inverse(bad, 1000.0, 2000.0, &lon, &lat), meridox::ErrorIllegalDms) << attempt;
    }
    const CCoord good = Parsed("S,16,D,12,0,0,0,0,0,0,0,0");
    double x, y;
    EXPECT_EQ(Forward(good, 0.1, 0.8, &x, &y), 0);
}

TEST(PackageProjections, RobinsonInverseReachesThePoles)
{
    // The package's Robinson puts the poles at a northing of pi/2 times the
    // radius: every latitude up to the pole comes back from its own northing,
    // and only points beyond the poles are refused.
    const CCoord robinson = Parsed("R,21,W,12,0,0,0,0,0,0,0,0");
    const double latitudes[] = {0.0, 0.5, 1.2, 1.26, 1.3, 1.45, 1.55, Pi / 2.0, -1.3, -Pi / 2.0};
    for (double latitude : latitudes) {
        double x, y;
        ASSERT_EQ(Forward(robinson, 0.5, latitude, &x, &y), 0) << latitude;
        double lon, lat;
        ASSERT_EQ(Inverse(robinson, x, y, &lon, &lat), 0) << latitude;
        EXPECT_NEAR(lat, latitude, 1e-6) << latitude;
        EXPECT_NEAR(lon, 0.5, 1e-6) << latitude;
    }
    const double radius = 6370997.0;
    double x, y;
    ASSERT_EQ(Forward(robinson, 0.0, Pi / 2.0, &x, &y), 0);
    EXPECT_NEAR(y, Pi / 2.0 * radius, 1.0) << "the pole's northing";

    const double far[][2] = {{0.0, radius * Pi / 2.0 * 1.001},
                             {0.0, -radius * Pi / 2.0 * 1.001},
                             {0.0, -1e300},
                             {1e9, 1e300}};
    for (const auto &p : far) {
        double lon, lat;
        EXPECT_EQ(Inverse(robinson, p[0], p[1], &lon, &lat), meridox::ErrorOutsideProjection)
            << p[1];
    }
}

TEST(PackageProjections, MercatorRoundTrip)
{
    const CCoord mercator = Parsed("M,5,W,12,0,0,0,0,0,0,0,0");
    double x, y, lon, lat;
    ASSERT_EQ(Forward(mercator, 0.1, 0.8, &x, &y), 0);
    EXPECT_NEAR(x, 6378137.0 * 0.1, 1e-3);
    ASSERT_EQ(Inverse(mercator, x, y, &lon, &lat), 0);
    EXPECT_NEAR(lon, 0.1, 1e-10);
    EXPECT_NEAR(lat, 0.8, 1e-10);
}

TEST(PackageProjections, NonFinitePointsAreRefusedNotIterated)
{
    // Wagner IV's forward iteration stops only on convergence: a NaN point
    // used to keep it turning for ever.
    const CCoord wagner = Parsed("W4,28,W,12,0,0,0,0,0,0,0,0");
    const double nan = std::nan("");
    const double inf = HUGE_VAL;
    double x = 1.0, y = 2.0;
    EXPECT_EQ(Forward(wagner, nan, nan, &x, &y), meridox::ErrorOutsideProjection);
    EXPECT_EQ(Forward(wagner, 0.1, inf, &x, &y), meridox::ErrorOutsideProjection);
    double lon, lat;
    EXPECT_EQ(Inverse(wagner, nan, 0.0, &lon, &lat), meridox::ErrorOutsideProjection);
    ASSERT_EQ(Forward(wagner, 0.1, 0.8, &x, &y), 0);
}

} // namespace
