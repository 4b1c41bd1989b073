// Lambert 72 <-> WGS84 against an independent implementation (PROJ), over a
// grid covering Belgium: the library's arithmetic against PROJ built from the
// same 3-parameter definition, and the program's start-up definitions against
// PROJ's own choice of transformation between EPSG:4326 and EPSG:31370.
#include "cconversion.h"
#include "meridoxtestsupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <proj.h>

namespace
{

constexpr double Pi = 3.141592653589793;

const char *const Lt72Proj =
    "+proj=lcc +lat_0=90 +lat_1=49d50 +lat_2=51d10 +lon_0=4.367486673082 +x_0=150000.01 "
    "+y_0=5400088.44 +ellps=intl +towgs84=-125.8,79.9,-100.5,0,0,0,0 +units=m +no_defs +type=crs";
const char *const Wgs84Proj = "+proj=longlat +datum=WGS84 +no_defs +type=crs";

class AgainstProj : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AddTranslationOnlyDefinitions(engine);
        context = proj_context_create();
        proj_context_use_proj4_init_rules(context, 1);
        PJ *raw = proj_create_crs_to_crs(context, Lt72Proj, Wgs84Proj, nullptr);
        ASSERT_NE(raw, nullptr);
        transform = proj_normalize_for_visualization(context, raw);
        proj_destroy(raw);
        ASSERT_NE(transform, nullptr);
    }
    void TearDown() override
    {
        proj_destroy(transform);
        proj_context_destroy(context);
    }

    CConversion engine;
    PJ_CONTEXT *context = nullptr;
    PJ *transform = nullptr;
};

TEST_F(AgainstProj, LambertToWgs84OverBelgium)
{
    double worst = 0.0; // metres on the ground
    int points = 0;
    for (double x = 20000.0; x <= 300000.0; x += 10000.0) {
        for (double y = 20000.0; y <= 250000.0; y += 10000.0) {
            const double in[2] = {x, y};
            double out[3];
            engine.DoCalcul(in, "LT72", 5, 0, out, "WGS84", 2, 1, -1);
            const PJ_COORD expected = proj_trans(transform, PJ_FWD, proj_coord(x, y, 0, 0));
            const double dLat = (out[0] - expected.lp.phi) * Pi / 180.0 * 6371000.0;
            const double dLon =
                (out[1] - expected.lp.lam) * Pi / 180.0 * 6371000.0 * std::cos(out[0] * Pi / 180.0);
            worst = std::max(worst, std::hypot(dLat, dLon));
            ++points;
        }
    }
    EXPECT_GT(points, 600);
    EXPECT_LT(worst, 0.001);
    RecordProperty("worst_mm", std::to_string(worst * 1000.0));
}

TEST_F(AgainstProj, Wgs84ToLambertOverBelgium)
{
    double worst = 0.0; // metres
    int points = 0;
    for (double lat = 49.45; lat <= 51.55; lat += 0.05) {
        for (double lon = 2.5; lon <= 6.45; lon += 0.05) {
            const double in[2] = {lat, lon};
            double out[3];
            engine.DoCalcul(in, "WGS84", 2, 1, out, "LT72", 5, 0, -1);
            const PJ_COORD expected = proj_trans(transform, PJ_INV, proj_coord(lon, lat, 0, 0));
            worst = std::max(worst, std::hypot(out[0] - expected.xy.x, out[1] - expected.xy.y));
            ++points;
        }
    }
    EXPECT_GT(points, 1500);
    EXPECT_LT(worst, 0.001);
    RecordProperty("worst_mm", std::to_string(worst * 1000.0));
}

TEST_F(AgainstProj, ProjectionRoundTripInRadians)
{
    // Forward then inverse through the pipeline's projection only (same datum).
    for (double lat = 49.5; lat <= 51.5; lat += 0.25) {
        for (double lon = 2.5; lon <= 6.4; lon += 0.25) {
            const double geo[2] = {lat, lon};
            double xy[3], back[3];
            engine.DoCalcul(geo, "BD72", 2, 1, xy, "LT72", 5, 0, -1);
            engine.DoCalcul(xy, "LT72", 5, 0, back, "BD72", 4, 1, -1);
            EXPECT_NEAR(back[0], lat * Pi / 180.0, 1e-9);
            EXPECT_NEAR(back[1], lon * Pi / 180.0, 1e-9);
        }
    }
}

// The program's definitions against the transformation PROJ picks from its
// database for WGS 84 -> Belgian Lambert 72 (the 7-parameter BD72 set).
class ProgramDefinitionsAgainstProj : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AddProgramDefinitions(engine);
        context = proj_context_create();
        PJ *raw = proj_create_crs_to_crs(context, "EPSG:4326", "EPSG:31370", nullptr);
        ASSERT_NE(raw, nullptr);
        transform = proj_normalize_for_visualization(context, raw);
        proj_destroy(raw);
        ASSERT_NE(transform, nullptr);
    }
    void TearDown() override
    {
        proj_destroy(transform);
        proj_context_destroy(context);
    }

    CConversion engine;
    PJ_CONTEXT *context = nullptr;
    PJ *transform = nullptr;
};

TEST_F(ProgramDefinitionsAgainstProj, BothWaysOverBelgiumWithinFiveCentimetres)
{
    double worstToWgs84 = 0.0, worstToLambert = 0.0; // metres on the ground
    int points = 0;
    for (double lat = 49.45; lat <= 51.55; lat += 0.05) {
        for (double lon = 2.5; lon <= 6.45; lon += 0.05) {
            const PJ_COORD lambert = proj_trans(transform, PJ_FWD, proj_coord(lon, lat, 0, 0));
            ASSERT_NE(lambert.xy.x, HUGE_VAL) << lat << " " << lon;

            const double geo[2] = {lat, lon};
            double xy[3];
            engine.DoCalcul(geo, "WGS84", 2, 1, xy, "LT72", 5, 0, -1);
            worstToLambert =
                std::max(worstToLambert, std::hypot(xy[0] - lambert.xy.x, xy[1] - lambert.xy.y));

            const double metres[2] = {lambert.xy.x, lambert.xy.y};
            double back[3];
            engine.DoCalcul(metres, "LT72", 5, 0, back, "WGS84", 2, 1, -1);
            const double dLat = (back[0] - lat) * Pi / 180.0 * 6371000.0;
            const double dLon =
                (back[1] - lon) * Pi / 180.0 * 6371000.0 * std::cos(lat * Pi / 180.0);
            worstToWgs84 = std::max(worstToWgs84, std::hypot(dLat, dLon));
            ++points;
        }
    }
    EXPECT_GT(points, 1500);
    EXPECT_LT(worstToLambert, 0.05);
    EXPECT_LT(worstToWgs84, 0.05);
    RecordProperty("worst_to_lambert_mm", std::to_string(worstToLambert * 1000.0));
    RecordProperty("worst_to_wgs84_mm", std::to_string(worstToWgs84 * 1000.0));
}

} // namespace
