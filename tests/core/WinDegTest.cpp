#include "WinDeg.h"

#include "ThaiText.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

TEST(WinDeg, DegreesMinutesToDecimal)
{
    EXPECT_DOUBLE_EQ(WinDeg::DegMinToDecimal(13.45), 13.75);
    EXPECT_DOUBLE_EQ(WinDeg::DegMinToDecimal(105.00), 105.0);
    EXPECT_DOUBLE_EQ(WinDeg::DegMinToDecimal(100.30), 100.5);
    EXPECT_DOUBLE_EQ(WinDeg::DegMinToDecimal(9.30), 9.5);
    EXPECT_DOUBLE_EQ(WinDeg::DegMinToDecimal(-12.30), -12.5);
    EXPECT_NEAR(WinDeg::DegMinToDecimal(89.59), 89.0 + 59.0 / 60.0, 1e-12);
}

TEST(WinDeg, HoursReduceIntoOneDay)
{
    EXPECT_DOUBLE_EQ(WinDeg::Reduce24(-4.0), 20.0);
    EXPECT_DOUBLE_EQ(WinDeg::Reduce24(24.0), 0.0);
    EXPECT_DOUBLE_EQ(WinDeg::Reduce24(25.5), 1.5);
}

TEST(WinDeg, PositionTextRoundsWithCarry)
{
    EXPECT_EQ(WinDeg::PositionText(15.0 + 34.0 / 60.0), "15มษ34");
    EXPECT_EQ(WinDeg::PositionText(0.0), "00มษ00");
    // 29°59'40" rounds to the next sign; 359°59'50" wraps to 0° Aries.
    EXPECT_EQ(WinDeg::PositionText(29.0 + 59.0 / 60 + 40.0 / 3600), "00พภ00");
    EXPECT_EQ(WinDeg::PositionText(359.0 + 59.0 / 60 + 50.0 / 3600), "00มษ00");
    EXPECT_EQ(WinDeg::PositionText(345.5), "15มน30");
    // Fits the grid cell with a whole motion mark: at most 8 characters.
    for (double lon = 0.0; lon < 360.0; lon += 7.3)
        EXPECT_LE(CharCount(WinDeg::PositionText(lon)), 8u);
}

TEST(WinDeg, ArcTextIsDegreesDotMinutes)
{
    EXPECT_EQ(WinDeg::ArcText(33.2), "33.12");
    EXPECT_EQ(WinDeg::ArcText(0.0), "0.00");
    EXPECT_EQ(WinDeg::ArcText(59.0 + 59.9 / 60.0), "60.00");
    EXPECT_EQ(WinDeg::ArcText(-1.5), "-1.30");
    EXPECT_EQ(WinDeg::ArcText(-0.001), "0.00");
    EXPECT_LE(WinDeg::ArcText(-359.99).size(), 9u);
}

TEST(WinDeg, TrigonometryInDegrees)
{
    EXPECT_NEAR(WinDeg::SinDeg(90.0), 1.0, 1e-15);
    EXPECT_NEAR(WinDeg::CosDeg(180.0), -1.0, 1e-15);
    EXPECT_NEAR(WinDeg::ArcTanDeg(1.0), 45.0, 1e-12);
    EXPECT_NEAR(WinDeg::ArcTanDeg(-1.0), -45.0, 1e-12);
}

} // namespace
} // namespace nemra
