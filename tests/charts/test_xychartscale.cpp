#include "charts/xychartscale.h"

#include <gtest/gtest.h>

namespace
{

TEST(XYScale, WorldAndPixelsMapBothWays)
{
    // 0..100 m across 500 px, -10..40 m up 250 px, plot area at (50, 20).
    const TXYScale s(QRectF(0, -10, 100, 50), QRectF(50, 20, 500, 250));
    const struct {
        QPointF world;
        QPointF pixel;
    } cases[] = {
        {{0, -10}, {50, 270}},  // bottom left
        {{100, 40}, {550, 20}}, // top right
        {{50, 0}, {300, 220}},  // Y grows upwards
        {{-10, 50}, {0, -30}},  // outside the range maps outside the area
    };
    for (const auto &c : cases) {
        EXPECT_EQ(s.toPixel(c.world), c.pixel);
        EXPECT_EQ(s.toWorld(c.pixel), c.world);
    }
    EXPECT_DOUBLE_EQ(s.xFactor(), 5);
    EXPECT_DOUBLE_EQ(s.yFactor(), 5);
}

TEST(XYScale, EmptySpansStayDefined)
{
    const TXYScale s(QRectF(3, 0, 0, -2), QRectF(0, 0, 100, 100));
    EXPECT_DOUBLE_EQ(s.world().width(), 1);
    EXPECT_DOUBLE_EQ(s.world().height(), 1);
    EXPECT_TRUE(std::isfinite(s.toPixel({3.5, 0.5}).x()));
}

TEST(XYScale, GridStepsAreOneTwoOrFiveTimesAPowerOfTen)
{
    const struct {
        double span;
        int lines;
        double step;
    } cases[] = {{100, 10, 10}, {100, 8, 20}, {3, 10, 0.5}, {1234, 6, 500}, {0, 5, 1}};
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(GridStep(c.span, c.lines), c.step) << c.span;
    EXPECT_EQ(GridValues(-2.5, 11, 7), (QVector<double>{-2, 0, 2, 4, 6, 8, 10}));
    EXPECT_TRUE(GridValues(5, 5, 6).isEmpty());
}

TEST(XYScale, SegmentsAreClippedToTheBox)
{
    const QRectF box(0, 0, 100, 100);
    const struct {
        const char *reason;
        QPointF a, b;
        bool visible;
        QPointF ca, cb;
    } cases[] = {
        {"inside stays", {10, 10}, {90, 90}, true, {10, 10}, {90, 90}},
        {"far end cut", {50, 50}, {50, 1e12}, true, {50, 50}, {50, 100}},
        {"both ends cut", {-100, 50}, {200, 50}, true, {0, 50}, {100, 50}},
        {"outside", {-10, -10}, {-5, 200}, false, {}, {}},
        {"not a number", {0, 0}, {qQNaN(), 5}, false, {}, {}},
    };
    for (const auto &c : cases) {
        QPointF a = c.a, b = c.b;
        EXPECT_EQ(ClipSegment(a, b, box), c.visible) << c.reason;
        if (c.visible) {
            EXPECT_NEAR(a.x(), c.ca.x(), 1e-6) << c.reason;
            EXPECT_NEAR(a.y(), c.ca.y(), 1e-6) << c.reason;
            EXPECT_NEAR(b.x(), c.cb.x(), 1e-6) << c.reason;
            EXPECT_NEAR(b.y(), c.cb.y(), 1e-6) << c.reason;
        }
    }
}

} // namespace
