// Angle units, the packed parameter form, number reading and definition lines.
#include "angleunits.h"
#include "cconversion.h"
#include "numbertext.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace
{

constexpr double Pi = 3.141592653589793;

double Dms(double d, double m, double s)
{
    return (d + m / 60.0 + s / 3600.0) * Pi / 180.0;
}

struct ToRadiansCase {
    const char *why;
    double value;
    int unit;
    double radians;
};

TEST(AngleUnits, ToRadians)
{
    const ToRadiansCase cases[] = {
        {"packed dms", 49.50125, 0, Dms(49, 50, 12.5)},
        {"packed dms with decimals of seconds", 4.2124983, 0, Dms(4, 21, 24.983)},
        {"negative packed dms", -4.2124983, 0, -Dms(4, 21, 24.983)},
        {"seconds just below a whole minute", 0.005999, 0, Dms(0, 0, 59.99)},
        {"packed decimal minutes", 49.5025, 1, Dms(49, 50.25, 0)},
        {"degrees", 50.8, 2, 50.8 * Pi / 180.0},
        {"grads", 100.0, 3, Pi / 2.0},
        {"radians", 0.25, 4, 0.25},
        {"metres are no angle", 1.0, 5, 0.0},
        {"unknown unit", 1.0, 9, 0.0},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(meridox::ToRadians(c.value, c.unit), c.radians, 1e-13) << c.why;
}

struct FromRadiansCase {
    const char *why;
    double radians;
    int unit;
    double value;
};

TEST(AngleUnits, FromRadians)
{
    const FromRadiansCase cases[] = {
        {"59.9996 seconds round up to one minute", Dms(0, 0, 59.9996), 0, 0.0100},
        {"59.99949 seconds stay below the minute", Dms(0, 0, 59.99949), 0, 0.005999949},
        {"worked latitude", Dms(50, 50, 25.487), 0, 50.5025487},
        {"negative longitude", -Dms(4, 22, 7.513), 0, -4.2207513},
        {"59.99996 minutes carry into the degree", Dms(1, 59.99996, 0), 1, 2.0},
        {"decimal minutes", Dms(49, 50.25, 0), 1, 49.5025},
        {"degrees", Pi, 2, 180.0},
        {"grads", Pi, 3, 200.0},
        {"radians", 1.5, 4, 1.5},
        {"unknown unit", 1.0, 7, 0.0},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(meridox::FromRadians(c.radians, c.unit), c.value, 1e-9) << c.why;
}

TEST(AngleUnits, RoundTiesGoUp)
{
    EXPECT_DOUBLE_EQ(meridox::RoundHalfUp(2.5, 1.0), 3.0);
    EXPECT_DOUBLE_EQ(meridox::RoundHalfUp(-2.5, 1.0), -2.0);
    EXPECT_DOUBLE_EQ(meridox::RoundHalfUp(2.4, 1.0), 2.0);
}

struct NumberCase {
    const char *text;
    double value;
};

TEST(NumberText, LeadingDoubleIgnoresLocaleAndTrailingText)
{
    const NumberCase cases[] = {
        {"150000.01", 150000.01},
        {"  -125.8", -125.8},
        {"+2.5e3x", 2500.0},
        {"1e", 1.0},
        {".5\xB0", 0.5},
        {"", 0.0},
        {"abc", 0.0},
        {"-", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"1e999", 0.0},
        {"12,5", 12.0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(meridox::LeadingDouble(c.text, std::strlen(c.text)), c.value) << c.text;
}

TEST(NumberText, LeadingIntStopsAtTheFirstNonDigit)
{
    EXPECT_EQ(meridox::LeadingInt(" 32abc", 6), 32);
    EXPECT_EQ(meridox::LeadingInt("-320", 4), -320);
    EXPECT_EQ(meridox::LeadingInt("", 0), 0);
    EXPECT_EQ(meridox::LeadingInt("99999999999999", 14), 2147483647);
    EXPECT_EQ(meridox::LeadingInt("-99999999999999", 15), -2147483647 - 1);
}

TEST(AtofDeg, SuffixSelectsTheUnit)
{
    EXPECT_NEAR(CConversion::atofDeg("2.2014025\xB0", false), Dms(2, 20, 14.025), 1e-15);
    EXPECT_NEAR(CConversion::atofDeg("12m", false), Dms(12, 0, 0), 1e-15);
    EXPECT_NEAR(CConversion::atofDeg("50.8d", false), 50.8 * Pi / 180.0, 1e-15);
    EXPECT_NEAR(CConversion::atofDeg("100g", false), Pi / 2.0, 1e-15);
    EXPECT_DOUBLE_EQ(CConversion::atofDeg("150000.01", true), 150000.01);
    EXPECT_DOUBLE_EQ(CConversion::atofDeg("-5400088.44", false), -5400088.44);
    EXPECT_DOUBLE_EQ(CConversion::atofDeg("", true), 0.0);
    EXPECT_DOUBLE_EQ(CConversion::atofDeg(nullptr, true), 0.0);
}

TEST(AtofDeg, PackingUsesTheTruncatedConstant)
{
    const double packed = CConversion::atofDeg("49.50\xB0", true);
    // 49 degrees 49 minutes 59.99999... seconds or 49 degrees 50 minutes.
    const double degrees = std::floor(packed / 1e6);
    const double minutes = std::floor((packed - degrees * 1e6) / 1e3);
    const double seconds = packed - degrees * 1e6 - minutes * 1e3;
    EXPECT_NEAR(degrees + minutes / 60.0 + seconds / 3600.0, 49.0 + 50.0 / 60.0, 1e-9);
    EXPECT_NEAR(CConversion::atofDeg("-4.2124983\xB0", true), -4021024.983, 1e-4);
}

TEST(ParseLine, ProgramDefinitions)
{
    CCoord lt72;
    CConversion::ParseLine(lt72, "LT72",
                           "Lambert 72 Belgique,32,BD72,26,0,0,49.50\xB0,51.10\xB0,4.2124983\xB0,"
                           "90\xB0,150000.01,5400088.44");
    EXPECT_EQ(lt72.Name, "LT72");
    EXPECT_EQ(lt72.FullName, "Lambert 72 Belgique");
    EXPECT_EQ(lt72.Type, 32);
    EXPECT_EQ(lt72.Datum, "BD72");
    EXPECT_EQ(lt72.Spheroid, 26);
    EXPECT_NEAR(lt72.Param[2], 49050000.0, 1e-4);
    EXPECT_NEAR(lt72.Param[3], 51010000.0, 1e-4);
    EXPECT_NEAR(lt72.Param[4], 4021024.983, 1e-4);
    EXPECT_NEAR(lt72.Param[5], 90000000.0, 1e-4);
    EXPECT_DOUBLE_EQ(lt72.Param[6], 150000.01);
    EXPECT_DOUBLE_EQ(lt72.Param[7], 5400088.44);
    EXPECT_DOUBLE_EQ(lt72.Param[8], 0.0);
    EXPECT_FALSE(lt72.Helmert7);
}

struct LineCase {
    const char *why;
    const char *line;
    int type;
    int spheroid;
    bool helmert7;
    const char *fullName;
    const char *datum;
};

TEST(ParseLine, FieldsAndFlags)
{
    const LineCase cases[] = {
        {"five parameters: three-parameter shift", "WGS84,0,WGS84,12,0,0,0,0,0", 0, 12, false,
         "WGS84", "WGS84"},
        {"six parameters: seven-parameter shift", "X,0,X,12,0,0,1,2,3,0.5", 0, 12, true, "X", "X"},
        {"six parameters on a projection", "X,5,D,12,0,0,1,2,3,0.5", 5, 12, false, "X", "D"},
        {"negative type is divided by ten", "X,-320,D,26", 32, 26, false, "X", "D"},
        {"small negative type", "X,-5,D,1", 0, 1, false, "X", "D"},
        {"trailing comma adds no field", "WGS84,0,WGS84,12,0,0,0,0,0,", 0, 12, false, "WGS84",
         "WGS84"},
        {"empty fields", ",,,", 0, 0, false, "", ""},
        {"missing fields", "Only a name", 0, 0, false, "Only a name", ""},
        {"blanks kept in names", " A , 4 , B ,3", 4, 3, false, " A ", " B "},
    };
    for (const auto &c : cases) {
        CCoord coord;
        CConversion::ParseLine(coord, "N", c.line);
        EXPECT_EQ(coord.Type, c.type) << c.why;
        EXPECT_EQ(coord.Spheroid, c.spheroid) << c.why;
        EXPECT_EQ(coord.Helmert7, c.helmert7) << c.why;
        EXPECT_EQ(coord.FullName, c.fullName) << c.why;
        EXPECT_EQ(coord.Datum, c.datum) << c.why;
    }
}

TEST(ParseLine, ParametersPastTheFifteenthAreIgnored)
{
    CCoord coord;
    CConversion::ParseLine(coord, "N", "X,1,D,0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17");
    EXPECT_DOUBLE_EQ(coord.Param[0], 1.0);
    EXPECT_DOUBLE_EQ(coord.Param[14], 15.0);
}

TEST(ParseLine, NullLineGivesAnEmptyDefinition)
{
    CCoord coord;
    coord.Param[3] = 7.0;
    CConversion::ParseLine(coord, "N", nullptr);
    EXPECT_EQ(coord.Name, "N");
    EXPECT_EQ(coord.Type, 0);
    EXPECT_DOUBLE_EQ(coord.Param[3], 0.0);
}

TEST(Spheroids, TableAndAxesRules)
{
    double a, b, r;
    CConversion::sphdz(26, nullptr, &a, &b, &r);
    EXPECT_DOUBLE_EQ(a, 6378388.0);
    EXPECT_DOUBLE_EQ(b, 6356911.946128);
    EXPECT_DOUBLE_EQ(r, 6370997.0);
    CConversion::sphdz(31, nullptr, &a, &b, &r);
    EXPECT_DOUBLE_EQ(a, 6376523.0);
    CConversion::sphdz(40, nullptr, &a, &b, &r);
    EXPECT_DOUBLE_EQ(a, 6378206.4) << "codes above 31 fall back to Clarke 1866";

    const double axes[] = {6378388.0, 6356911.946128};
    CConversion::sphdz(-1, axes, &a, &b, &r);
    EXPECT_DOUBLE_EQ(b, 6356911.946128);
    EXPECT_DOUBLE_EQ(r, 6378388.0);
    const double eccentricity[] = {6378388.0, 0.00672267};
    CConversion::sphdz(-1, eccentricity, &a, &b, &r);
    EXPECT_NEAR(b, 6378388.0 * std::sqrt(1.0 - 0.00672267), 1e-6);
    const double sphere[] = {-6371000.0, 0.0};
    CConversion::sphdz(-1, sphere, &a, &b, &r);
    EXPECT_DOUBLE_EQ(b, 6371000.0);
    const double minorOnly[] = {0.0, 5.0};
    CConversion::sphdz(-1, minorOnly, &a, &b, &r);
    EXPECT_DOUBLE_EQ(a, 6378206.4);
    EXPECT_DOUBLE_EQ(r, 6378206.4);
    const double none[] = {0.0, 0.0};
    CConversion::sphdz(-1, none, &a, &b, &r);
    EXPECT_DOUBLE_EQ(a, 6370997.0);
    EXPECT_DOUBLE_EQ(b, 6370997.0);
}

TEST(DefinitionList, LookupsAndPivot)
{
    CConversion engine;
    EXPECT_TRUE(engine.IsListeEmpty());
    engine.SetConversion("WGS84", "WGS84,0,WGS84,12,0,0,0,0,0");
    engine.SetConversion("LT72", "Lambert 72 Belgique,32,BD72,26");
    EXPECT_EQ(engine.GetTypeCoord("LT72"), 32);
    EXPECT_EQ(engine.GetTypeCoord("WGS84"), 0);
    EXPECT_EQ(engine.GetTypeCoord("lt72"), -1) << "names compare case-sensitively";
    EXPECT_EQ(engine.GetTypeCoord(nullptr), -1);
    ASSERT_NE(engine.GetpCoordFromFullName("Lambert 72 Belgique"), nullptr);
    EXPECT_EQ(engine.GetpCoordFromFullName("Lambert 72 Belgique")->Name, "LT72");
    EXPECT_EQ(engine.GetpCoordFromFullName("nothing"), nullptr);

    engine.SetPivot("WGS84");
    ASSERT_NE(engine.Pivot(), nullptr);
    // Replacing the pivot's definition keeps the pivot, in its new form.
    engine.SetConversion("WGS84", "World,0,WGS84,12,0,0,0,0,0");
    ASSERT_NE(engine.Pivot(), nullptr);
    EXPECT_EQ(engine.Pivot()->FullName, "World");

    engine.SetPivot("missing");
    EXPECT_EQ(engine.Pivot(), nullptr);
    engine.SetPivot("WGS84");
    engine.EmptyListe();
    EXPECT_TRUE(engine.IsListeEmpty());
    EXPECT_EQ(engine.Pivot(), nullptr);
    EXPECT_EQ(engine.GetTypeCoord("LT72"), -1);
}

} // namespace
