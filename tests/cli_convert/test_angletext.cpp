// Angles typed on vlmcli's command line.
#include "cli/angletext.h"

#include <gtest/gtest.h>

namespace
{

struct AngleCase {
    const char *text;
    AngleAxis axis;
    bool negative;
    double degrees, minutes, seconds;
};

class AngleForms : public testing::TestWithParam<AngleCase>
{
};

TEST_P(AngleForms, ReadsDegreesMinutesSeconds)
{
    const AngleCase &c = GetParam();
    ParsedAngle angle;
    std::string error;
    ASSERT_TRUE(ParseAngle(c.text, c.axis, angle, &error)) << c.text << ": " << error;
    EXPECT_EQ(angle.negative, c.negative) << c.text;
    EXPECT_DOUBLE_EQ(angle.degrees, c.degrees) << c.text;
    EXPECT_DOUBLE_EQ(angle.minutes, c.minutes) << c.text;
    EXPECT_NEAR(angle.seconds, c.seconds, 1e-9) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AngleForms,
    testing::Values(AngleCase{"50:50:25", AngleAxis::Latitude, false, 50, 50, 25},
                    AngleCase{"50\xC2\xB0"
                              "50'25\" N",
                              AngleAxis::Latitude, false, 50, 50, 25},
                    AngleCase{"50\xB0"
                              "50'25.5\"",
                              AngleAxis::Latitude, false, 50, 50, 25.5},
                    AngleCase{"N50 50 25", AngleAxis::Latitude, false, 50, 50, 25},
                    AngleCase{"50.5", AngleAxis::Latitude, false, 50, 30, 0},
                    AngleCase{"4:22.5", AngleAxis::Longitude, false, 4, 22, 30},
                    AngleCase{"4.368888888888889", AngleAxis::Longitude, false, 4, 22, 8},
                    AngleCase{"4:22:08W", AngleAxis::Longitude, true, 4, 22, 8},
                    AngleCase{"-0:30:00", AngleAxis::Longitude, true, 0, 30, 0},
                    AngleCase{"-0.25", AngleAxis::Longitude, true, 0, 15, 0},
                    AngleCase{"33:52:10 s", AngleAxis::Latitude, true, 33, 52, 10},
                    AngleCase{"179:59:59", AngleAxis::Longitude, false, 179, 59, 59}));

TEST(AngleText, RefusesWhatIsNoAngle)
{
    const struct {
        const char *text;
        AngleAxis axis;
    } rows[] = {
        {"", AngleAxis::Latitude},
        {"abc", AngleAxis::Latitude},
        {"50:50:25:1", AngleAxis::Latitude},
        {"50:60:00", AngleAxis::Latitude},   // minutes must stay below 60
        {"50:50:60", AngleAxis::Latitude},   // so must seconds
        {"50:-5:00", AngleAxis::Latitude},   // only the degrees carry a sign
        {"50.5:10", AngleAxis::Latitude},    // decimal degrees followed by minutes
        {"50:10.5:10", AngleAxis::Latitude}, // decimal minutes followed by seconds
        {"50N", AngleAxis::Longitude},       // hemisphere of the other axis
        {"4E", AngleAxis::Latitude},
        {"-50S", AngleAxis::Latitude}, // sign and hemisphere together
        {"90:00:01", AngleAxis::Latitude},
        {"180.5", AngleAxis::Longitude},
        {"nan", AngleAxis::Latitude},
    };
    for (const auto &row : rows) {
        ParsedAngle angle;
        std::string error;
        EXPECT_FALSE(ParseAngle(row.text, row.axis, angle, &error)) << row.text;
        EXPECT_FALSE(error.empty()) << row.text;
    }
}

TEST(AngleText, DecimalDegreesCarryTheSign)
{
    ParsedAngle angle;
    ASSERT_TRUE(ParseAngle("4:22:08 W", AngleAxis::Longitude, angle, nullptr));
    EXPECT_NEAR(angle.decimalDegrees(), -(4 + 22 / 60.0 + 8 / 3600.0), 1e-12);
}

} // namespace
