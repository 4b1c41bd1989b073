// The conversion pipeline: name and definition forms, units, datum shifts,
// Paris longitudes, convergence and the failure cases.
#include "cconversion.h"
#include "meridoxtestsupport.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

class Pipeline : public ::testing::Test
{
protected:
    void SetUp() override { AddTranslationOnlyDefinitions(engine); }

    void Convert(double a, double b, const char *src, int srcUnit, int srcFlag, const char *dst,
                 int dstUnit, int dstFlag, int convUnit = -1)
    {
        const double in[2] = {a, b};
        out[0] = out[1] = out[2] = 99.0;
        engine.DoCalcul(in, src, srcUnit, srcFlag, out, dst, dstUnit, dstFlag, convUnit);
    }

    CConversion engine;
    double out[3] = {};
};

TEST_F(Pipeline, WorkedExampleBothWays)
{
    Convert(150.0, 170.0, "LT72", 6, 0, "WGS84", 0, 1, 0);
    EXPECT_NEAR(out[0], 50.5025487, 5e-8);
    EXPECT_NEAR(out[1], 4.2207513, 5e-8);

    Convert(50.5025, 4.2208, "WGS84", 0, 1, "LT72", 6, 0, 0);
    EXPECT_NEAR(out[0], 150.010, 0.0005);
    EXPECT_NEAR(out[1], 169.985, 0.0005);
}

TEST_F(Pipeline, MetresAndKilometresAgree)
{
    Convert(150.0, 170.0, "LT72", 6, 0, "WGS84", 2, 1);
    const double lat = out[0], lon = out[1];
    Convert(150000.0, 170000.0, "LT72", 5, 0, "WGS84", 2, 1);
    EXPECT_DOUBLE_EQ(out[0], lat);
    EXPECT_DOUBLE_EQ(out[1], lon);
    // The single-step geocentric formula returns the point to a millimetre.
    Convert(lat, lon, "WGS84", 2, 1, "LT72", 5, 0);
    EXPECT_NEAR(out[0], 150000.0, 1e-3);
    EXPECT_NEAR(out[1], 170000.0, 1e-3);
}

TEST_F(Pipeline, DatumShiftBd72ToWgs84)
{
    Convert(50.8, 4.35, "BD72", 2, 1, "WGS84", 2, 1);
    EXPECT_NEAR(out[0], 50.7994555, 5e-8);
    EXPECT_NEAR(out[1], 4.3512654, 5e-8);
    EXPECT_EQ(out[2], 0.0) << "no convergence asked";
    const double lat = out[0], lon = out[1];
    Convert(lat, lon, "WGS84", 2, 1, "BD72", 2, 1);
    EXPECT_NEAR(out[0], 50.8, 1e-8);
    EXPECT_NEAR(out[1], 4.35, 1e-8);
}

TEST_F(Pipeline, NoShiftNextToAPole)
{
    Convert(89.9995, 4.35, "BD72", 2, 1, "WGS84", 2, 1);
    EXPECT_DOUBLE_EQ(out[0], 89.9995);
    EXPECT_DOUBLE_EQ(out[1], 4.35);
}

TEST_F(Pipeline, SameSystemConvertsUnitsOnly)
{
    Convert(50.8405, 4.35675, "WGS84", 2, 1, "WGS84", 0, 1, 0);
    EXPECT_NEAR(out[0], 50.50258, 1e-9);
    EXPECT_NEAR(out[1], 4.21243, 1e-9);
    EXPECT_EQ(out[2], 0.0);
    Convert(150.0, 170.0, "LT72", 6, 0, "LT72", 5, 0);
    EXPECT_DOUBLE_EQ(out[0], 150000.0);
    EXPECT_DOUBLE_EQ(out[1], 170000.0);
}

TEST_F(Pipeline, ParisLongitudes)
{
    const double offset = 2.0 + 20.0 / 60.0 + 14.025 / 3600.0;
    engine.SetConversion("WGS84P", "WGS84 Paris,0,WGS84P,12,0,0,0,0,0");
    // Two systems on equal datums: only the offset.
    Convert(48.0, 1.0, "WGS84P", 2, 2, "WGS84", 2, 1);
    EXPECT_NEAR(out[0], 48.0, 1e-8);
    EXPECT_NEAR(out[1], 1.0 + offset, 1e-8);
    Convert(48.0, 1.0 + offset, "WGS84", 2, 1, "WGS84P", 2, 2);
    EXPECT_NEAR(out[0], 48.0, 1e-8);
    EXPECT_NEAR(out[1], 1.0, 1e-8);
    // The same definition converts units only, whatever the flags.
    Convert(48.0, 1.0, "WGS84", 2, 2, "WGS84", 2, 1);
    EXPECT_DOUBLE_EQ(out[1], 1.0);

    // Different datums: the offset is added after the shift to the pivot.
    Convert(50.8, 2.0, "BD72", 2, 2, "WGS84", 2, 1);
    const double parisShifted = out[1];
    Convert(50.8, 2.0, "BD72", 2, 1, "WGS84", 2, 1);
    EXPECT_NEAR(parisShifted, out[1] + offset, 1e-12);
    EXPECT_GT(std::fabs(out[1] - 2.0), 1e-4) << "the datum shift happened";
}

TEST_F(Pipeline, Convergence)
{
    // West of the central meridian grid north turns west of true north.
    Convert(50.5, 3.0, "WGS84", 2, 1, "LT72", 5, 0, 2);
    const double west = out[2];
    const double expected = -0.7716422 * (3.0 - (4.356939722 + 0.010546951));
    EXPECT_NEAR(west, -expected, 0.01);
    // From projected to geographic the sign is the same, from the source side.
    const double x = out[0], y = out[1];
    Convert(x, y, "LT72", 5, 0, "WGS84", 2, 1, 2);
    EXPECT_NEAR(out[2], west, 1e-4);
    Convert(50.5, 3.0, "WGS84", 2, 1, "LT72", 5, 0, 7);
    EXPECT_EQ(out[2], 0.0) << "unknown convergence unit";
    Convert(50.5, 3.0, "WGS84", 2, 1, "LT72", 5, 0, -1);
    EXPECT_EQ(out[2], 0.0) << "no convergence asked";
    Convert(50.5, 3.0, "WGS84", 2, 1, "BD72", 2, 1, 2);
    EXPECT_EQ(out[2], 0.0) << "between geographic systems";
}

TEST_F(Pipeline, LongitudeFirstForm)
{
    const double in[2] = {4.35, 50.8};
    engine.DoCalcul2(in, "BD72", 2, 1, out, "WGS84", 2, 1, -1);
    EXPECT_NEAR(out[0], 4.3512654, 5e-8);
    EXPECT_NEAR(out[1], 50.7994555, 5e-8);
    const double xy[2] = {150.0, 170.0};
    engine.DoCalcul2(xy, "LT72", 6, 0, out, "WGS84", 0, 1, -1);
    EXPECT_NEAR(out[0], 4.2207513, 5e-8);
    EXPECT_NEAR(out[1], 50.5025487, 5e-8);
}

TEST_F(Pipeline, InlineDefinitions)
{
    const char *bd72 = "!B=Belgique 1972 (BD72),0,B,26,0,0,-125.8,79.9,-100.5";
    Convert(50.8, 4.35, bd72, 2, 1, "WGS84", 2, 1);
    EXPECT_NEAR(out[0], 50.7994555, 5e-8);
    // The text after a second "=" is not part of the definition.
    Convert(50.8, 4.35, "!B=Belgique 1972,0,B,26,0,0,-125.8,79.9,-100.5=ignored", 2, 1, "WGS84", 2,
            1);
    EXPECT_NEAR(out[1], 4.3512654, 5e-8);
    // An inline projection whose datum is in the list.
    const char *lt72 = "!L=Lambert,32,BD72,26,0,0,49.50\xB0,51.10\xB0,4.2124983\xB0,90\xB0,"
                       "150000.01,5400088.44";
    Convert(150.0, 170.0, lt72, 6, 0, "WGS84", 0, 1);
    EXPECT_NEAR(out[0], 50.5025487, 5e-8);
    EXPECT_EQ(engine.GetTypeCoord("L"), -1) << "inline definitions are not kept";
    EXPECT_EQ(engine.GetTypeCoord("B"), -1);
}

struct FailureCase {
    const char *why;
    double a, b;
    const char *src;
    int srcUnit, srcFlag;
    const char *dst;
    int dstUnit, dstFlag;
};

TEST_F(Pipeline, FailuresGiveZeros)
{
    engine.SetConversion("ODD", "Datum not itself,0,OTHER,12,0,0,0,0,0");
    engine.SetConversion("ORPHAN", "No datum,32,NOWHERE,26,0,0,49.50\xB0,51.10\xB0,4.2124983\xB0,"
                                   "90\xB0,150000.01,5400088.44");
    engine.SetConversion("BADPARAM", "Bad,32,BD72,26,0,0,49061000,51.10\xB0,4.2124983\xB0,"
                                     "90\xB0,150000.01,5400088.44");
    const FailureCase cases[] = {
        {"unknown source", 1, 2, "NONE", 6, 0, "WGS84", 0, 1},
        {"unknown destination", 150, 170, "LT72", 6, 0, "NONE", 0, 1},
        {"geographic source with flag 0", 50, 4, "WGS84", 2, 0, "LT72", 6, 0},
        {"projected source with flag 1", 150, 170, "LT72", 6, 1, "WGS84", 2, 1},
        {"geographic destination with flag 0", 150, 170, "LT72", 6, 0, "WGS84", 2, 0},
        {"geographic definition named apart from its datum", 50, 4, "ODD", 2, 1, "WGS84", 2, 1},
        {"metres for a geographic source", 50, 4, "WGS84", 5, 1, "LT72", 6, 0},
        {"degrees for a projected source", 150, 170, "LT72", 2, 0, "WGS84", 2, 1},
        {"latitude beyond the pole", 90.001, 4, "WGS84", 2, 1, "LT72", 6, 0},
        {"longitude beyond 180", 50, 180.5, "WGS84", 2, 1, "LT72", 6, 0},
        {"metres for a geographic destination", 150, 170, "LT72", 6, 0, "WGS84", 5, 1},
        {"degrees for a projected destination", 50, 4, "WGS84", 2, 1, "LT72", 2, 0},
        {"datum that names nothing", 150, 170, "ORPHAN", 6, 0, "WGS84", 2, 1},
        {"illegal packed parameter (inverse)", 150, 170, "BADPARAM", 6, 0, "WGS84", 2, 1},
        {"illegal packed parameter (forward)", 50, 4, "WGS84", 2, 1, "BADPARAM", 6, 0},
        {"projection cannot reach the opposite pole", -90, 4, "WGS84", 2, 1, "LT72", 6, 0},
        {"not a number", NAN, 4, "WGS84", 2, 1, "LT72", 6, 0},
    };
    for (const auto &c : cases) {
        Convert(c.a, c.b, c.src, c.srcUnit, c.srcFlag, c.dst, c.dstUnit, c.dstFlag, 2);
        EXPECT_EQ(out[0], 0.0) << c.why;
        EXPECT_EQ(out[1], 0.0) << c.why;
        EXPECT_EQ(out[2], 0.0) << c.why;
    }
}

TEST_F(Pipeline, ProjectionWhoseDatumIsMissingReachesOnlyThatName)
{
    engine.SetConversion("ORPHAN", "No datum,32,GHOST,26,0,0,49.50\xB0,51.10\xB0,4.2124983\xB0,"
                                   "90\xB0,150000.01,5400088.44");
    Convert(150.0, 170.0, "ORPHAN", 6, 0, "WGS84", 2, 1);
    EXPECT_EQ(out[0], 0.0);
    // A system named like the missing datum (here inline, so not in the list)
    // receives the point without a shift.
    Convert(150.0, 170.0, "ORPHAN", 6, 0, "!GHOST=Ghost,0,GHOST,26,0,0,0,0,0", 2, 1);
    const double lat = out[0], lon = out[1];
    Convert(150.0, 170.0, "LT72", 6, 0, "BD72", 2, 1);
    EXPECT_NEAR(lat, out[0], 1e-8);
    EXPECT_NEAR(lon, out[1], 1e-8);
}

TEST_F(Pipeline, NoPivotOrEmptyListFails)
{
    engine.SetPivot("NONE");
    Convert(150.0, 170.0, "LT72", 6, 0, "WGS84", 2, 1);
    EXPECT_EQ(out[0], 0.0);
    EXPECT_EQ(out[1], 0.0);
    engine.SetPivot("WGS84");
    engine.EmptyListe();
    Convert(150.0, 170.0, "!L=L,0,L,12", 2, 1, "!M=M,0,M,12", 2, 1);
    EXPECT_EQ(out[0], 0.0) << "no pivot after EmptyListe";
}

TEST_F(Pipeline, SevenParameterShiftRoundTrip)
{
    engine.SetConversion("ED50", "ED50,0,ED50,4,0,0,-87,-98,-121,0.5,-0.3,0.8,1.2");
    Convert(50.8, 4.35, "ED50", 2, 1, "WGS84", 2, 1);
    const double lat = out[0], lon = out[1];
    EXPECT_GT(std::fabs(lat - 50.8), 1e-5);
    Convert(lat, lon, "WGS84", 2, 1, "ED50", 2, 1);
    EXPECT_NEAR(out[0], 50.8, 1e-7);
    EXPECT_NEAR(out[1], 4.35, 1e-7);
    // Shift between two non-pivot datums passes through the pivot.
    Convert(50.8, 4.35, "ED50", 2, 1, "BD72", 2, 1);
    const double viaPivotLat = out[0];
    Convert(lat, lon, "WGS84", 2, 1, "BD72", 2, 1);
    EXPECT_NEAR(viaPivotLat, out[0], 1e-9);
}

TEST_F(Pipeline, NullArgumentsAreHarmless)
{
    const double in[2] = {150.0, 170.0};
    engine.DoCalcul(nullptr, "LT72", 6, 0, out, "WGS84", 2, 1, 2);
    EXPECT_EQ(out[0], 0.0);
    engine.DoCalcul(in, nullptr, 6, 0, out, "WGS84", 2, 1, 2);
    EXPECT_EQ(out[0], 0.0);
    engine.DoCalcul(in, "LT72", 6, 0, nullptr, "WGS84", 2, 1, 2);
}

} // namespace
