#include "core/AngleMath.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

TEST(AngleMath, HelpersAtTheirEdges)
{
    EXPECT_EQ(SignOf(0.0), 1.0);
    EXPECT_EQ(SignOf(-0.1), -1.0);
    EXPECT_EQ(IntPart(-2.7), -2.0);
    EXPECT_EQ(FloorPart(-0.5), -1.0);
    EXPECT_EQ(FloorPart(-2.0), -2.0);
    EXPECT_EQ(FloorPart(2.7), 2.0);
    EXPECT_EQ(FloorPart(0.0), 0.0);
}

TEST(AngleMath, Normalize360StaysInOneTurn)
{
    struct Case {
        double in, out;
    };
    for (const Case c :
         {Case{370, 10}, {-10, 350}, {360, 0}, {0, 0}, {-360, 0}, {-720, 0}, {719.5, 359.5}, {1e-9, 1e-9}})
        EXPECT_NEAR(Normalize360(c.in), c.out, 1e-12) << c.in;
    // Values a hair off a whole turn must not come out as 360.
    for (const double x : {-1e-17, 360.0 - 1e-14, -360.0 - 1e-14, 720.0 - 1e-13}) {
        const double r = Normalize360(x);
        EXPECT_GE(r, 0.0) << x;
        EXPECT_LT(r, 360.0) << x;
    }
}

TEST(AngleMath, ShortestArcIsSignedAndWraps)
{
    EXPECT_DOUBLE_EQ(ShortestArc(359.0, 1.0), 2.0);
    EXPECT_DOUBLE_EQ(ShortestArc(1.0, 359.0), -2.0);
    EXPECT_DOUBLE_EQ(ShortestArc(10.0, 100.0), 90.0);
    EXPECT_DOUBLE_EQ(ShortestArc(0.0, 180.0), -180.0);
}

TEST(AngleMath, AspectOfFoldsAndRoundsHalfToEven)
{
    struct Case {
        double x, y, step, aspect, orb;
    };
    const Case cases[] = {
        {10, 100, 90, 90, 0},  {100, 10, 90, 90, 0},  {0, 135, 90, 180, -45}, {0, 45, 90, 0, 45},
        {0, 200, 45, 180, 20}, {0, 250, 45, 90, -20}, {0, 225, 90, 180, 45},  {350, 10, 22.5, 22.5, -2.5},
    };
    for (const Case& c : cases) {
        const AspectResult r = AspectOf(c.x, c.y, c.step);
        EXPECT_DOUBLE_EQ(r.aspect, c.aspect) << c.x << " " << c.y << " " << c.step;
        EXPECT_DOUBLE_EQ(r.orb, c.orb) << c.x << " " << c.y << " " << c.step;
    }
}

} // namespace
} // namespace nemra
