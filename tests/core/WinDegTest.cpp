#include "core/WinDeg.h"

#include "core/ThaiText.h"

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

// Rounded to the nearest minute, but never into the next sign: a position text always names
// the sign its longitude lies in. Expected texts by hand (degrees within the sign, minutes).
TEST(WinDeg, PositionTextStaysInItsSign)
{
    struct Case {
        double lon;
        const char* text;
    };
    constexpr double kMinute = 1.0 / 60;
    constexpr double kSecond = 1.0 / 3600;
    const Case cases[] = {
        {15.0 + 34 * kMinute, "15มษ34"},
        {0.0, "00มษ00"},
        {20 * kSecond, "00มษ00"},
        {29.0 + 59 * kMinute + 29 * kSecond, "29มษ59"},
        {29.0 + 59 * kMinute + 30 * kSecond, "29มษ59"}, // the last half minute of Aries
        {29.0 + 59 * kMinute + 40 * kSecond, "29มษ59"},
        {30.0 - 1e-12, "29มษ59"},
        {30.0, "00พภ00"},
        {59.9999, "29พภ59"},
        {345.5, "15มน30"},
        {359.99210, "29มน59"}, // a natal Moon that was listed as 00มษ00 under Pisces
        {359.0 + 59 * kMinute + 50 * kSecond, "29มน59"},
        {360.0, "00มษ00"},
        {-1e-9, "29มน59"},
        {720.5, "00มษ30"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WinDeg::PositionText(c.lon), c.text) << c.lon;
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
