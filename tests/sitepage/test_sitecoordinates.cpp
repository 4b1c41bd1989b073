// When a coordinate group may be converted, and which field a Save refuses.
#include "pages/sitedefcoordinates.h"

#include <gtest/gtest.h>

namespace
{

TSiteCoordinateTexts Texts(const char *x, const char *y, const char *lonD, const char *lonM,
                           const char *lonS, const char *latD, const char *latM, const char *latS)
{
    TSiteCoordinateTexts t;
    const char *values[] = {x, y, lonD, lonM, lonS, latD, latM, latS};
    for (int i = 0; i < SiteCoordinateFieldCount; ++i)
        t.text[i] = QString::fromLatin1(values[i]);
    return t;
}

struct GroupCase {
    const char *why;
    TSiteCoordinateTexts texts;
    TConversionCheck lambert;
    TConversionCheck wgs84;
};

TEST(SiteCoordinates, GroupChecks)
{
    using C = TConversionCheck;
    const GroupCase cases[] = {
        {"both complete and plausible", Texts("150000", "170000", "4", "22", "8", "50", "50", "25"),
         C::Convertible, C::Convertible},
        {"lowest plausible values", Texts("22101", "20001", "2", "0", "0", "49", "0", "0"),
         C::Convertible, C::Convertible},
        {"highest plausible values", Texts("258999", "245999", "7", "59", "59", "52", "59", "59"),
         C::Convertible, C::Convertible},
        {"just outside", Texts("22100", "246000", "8", "0", "0", "48", "0", "0"), C::OutOfRange,
         C::OutOfRange},
        {"X beyond Belgium", Texts("300000", "170000", "", "", "", "", "", ""), C::OutOfRange,
         C::Incomplete},
        {"four digits are incomplete", Texts("1500", "170000", "", "", "", "", "", ""),
         C::Incomplete, C::Incomplete},
        {"longitude degrees take one digit", Texts("", "", "10", "21", "0", "50", "51", "0"),
         C::Incomplete, C::Incomplete},
        {"three-digit latitude degrees", Texts("", "", "4", "21", "0", "500", "51", "0"),
         C::Incomplete, C::Incomplete},
        {"latitude 53", Texts("", "", "4", "21", "0", "53", "51", "0"), C::Incomplete,
         C::OutOfRange},
        {"seconds 60", Texts("", "", "4", "21", "60", "50", "51", "0"), C::Incomplete,
         C::OutOfRange},
        {"empty minutes", Texts("", "", "4", "", "0", "50", "51", "0"), C::Incomplete,
         C::Incomplete},
    };
    for (const GroupCase &c : cases) {
        EXPECT_EQ(CheckLambertGroup(c.texts), c.lambert) << c.why;
        EXPECT_EQ(CheckWgs84Group(c.texts), c.wgs84) << c.why;
    }
}

// Each bound of the plausible ranges alone: one field just outside, every other
// field at a plausible value, so that no other bound can give the verdict.
TEST(SiteCoordinates, EachBoundAlone)
{
    using C = TConversionCheck;
    const GroupCase cases[] = {
        {"X below 22101", Texts("22100", "170000", "4", "22", "8", "50", "50", "25"), C::OutOfRange,
         C::Convertible},
        {"X above 258999", Texts("259000", "170000", "4", "22", "8", "50", "50", "25"),
         C::OutOfRange, C::Convertible},
        {"Y below 20001", Texts("150000", "20000", "4", "22", "8", "50", "50", "25"), C::OutOfRange,
         C::Convertible},
        {"Y above 245999", Texts("150000", "246000", "4", "22", "8", "50", "50", "25"),
         C::OutOfRange, C::Convertible},
        {"longitude below 2 degrees", Texts("150000", "170000", "1", "59", "59", "50", "50", "25"),
         C::Convertible, C::OutOfRange},
        {"longitude above 7 degrees", Texts("150000", "170000", "8", "0", "0", "50", "50", "25"),
         C::Convertible, C::OutOfRange},
        {"latitude below 49 degrees", Texts("150000", "170000", "4", "22", "8", "48", "59", "59"),
         C::Convertible, C::OutOfRange},
        {"latitude above 52 degrees", Texts("150000", "170000", "4", "22", "8", "53", "0", "0"),
         C::Convertible, C::OutOfRange},
        {"longitude minutes 60", Texts("150000", "170000", "4", "60", "8", "50", "50", "25"),
         C::Convertible, C::OutOfRange},
        {"latitude seconds 60", Texts("150000", "170000", "4", "22", "8", "50", "50", "60"),
         C::Convertible, C::OutOfRange},
    };
    for (const GroupCase &c : cases) {
        EXPECT_EQ(CheckLambertGroup(c.texts), c.lambert) << c.why;
        EXPECT_EQ(CheckWgs84Group(c.texts), c.wgs84) << c.why;
    }
}

struct SaveCase {
    const char *why;
    TSiteCoordinateTexts texts;
    int firstFailing;
};

TEST(SiteCoordinates, FirstFieldASaveRefuses)
{
    const SaveCase cases[] = {
        {"everything right", Texts("150000", "170000", "4", "22", "8", "50", "50", "25"), -1},
        {"zero minutes and seconds are values",
         Texts("15000", "17000", "4", "0", "0", "50", "0", "0"), -1},
        {"X 0 comes before empty latitude seconds",
         Texts("0", "170000", "4", "22", "8", "50", "50", ""), CoordLambertX},
        {"Y with four digits", Texts("150000", "1700", "4", "22", "8", "50", "50", "25"),
         CoordLambertY},
        {"longitude degrees 0", Texts("150000", "170000", "0", "22", "8", "50", "50", "25"),
         CoordLonDeg},
        {"empty longitude seconds", Texts("150000", "170000", "4", "22", "", "", "50", "25"),
         CoordLonSec},
        {"empty latitude degrees", Texts("150000", "170000", "4", "22", "8", "", "50", "25"),
         CoordLatDeg},
        {"empty latitude seconds", Texts("150000", "170000", "4", "22", "8", "50", "50", ""),
         CoordLatSec},
    };
    for (const SaveCase &c : cases)
        EXPECT_EQ(FirstInvalidSiteCoordinate(c.texts), c.firstFailing) << c.why;
}

TEST(SiteCoordinates, LengthsAndMessages)
{
    EXPECT_EQ(SiteCoordinateMaxLength(CoordLambertX), 6);
    EXPECT_EQ(SiteCoordinateMaxLength(CoordLatDeg), 3);
    EXPECT_EQ(SiteCoordinateMaxLength(CoordLonSec), 2);
    EXPECT_EQ(SiteCoordinateMessage(CoordLonMin).toStdString(),
              "There is no correct value for the \"Longitude (Min.)\" field !");
    EXPECT_EQ(SiteCoordinateMessage(CoordLatSec).toStdString(),
              "There is no correct value for the \"Latitude (Sec.)\" field !");
}

} // namespace
