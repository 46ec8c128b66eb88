#include "core/WinPl.h"

#include "core/AngleMath.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

constexpr double kArcSecond = 1.0 / 3600.0;

// D (days from 0h UT 31 Dec 1999) of a Julian day given in TT.
double D2000OfTT(double jdTT)
{
    const double approxDayValue = jdTT - WinPl::kJulianDayOfDayNumberZero;
    return jdTT - WinPl::DeltaTDays(approxDayValue) - WinPl::kJulianDayOfD2000Zero;
}

TEST(WinPl, DayNumbers)
{
    EXPECT_EQ(WinPl::DayNumber(1, 1, 1900), 1);
    EXPECT_EQ(WinPl::DayNumber(31, 12, 1999), 36524);
    EXPECT_EQ(WinPl::DayNumber(1, 3, 2000) - WinPl::DayNumber(28, 2, 2000), 2); // leap day
    EXPECT_EQ(WinPl::DayNumber(1, 3, 1900) - WinPl::DayNumber(28, 2, 1900), 1); // no leap day
    EXPECT_EQ(WinPl::DayCount(7, 12, 2026), WinPl::DayNumber(7, 12, 2026));
}

TEST(WinPl, ObliquityAndSiderealTimeAgreeWithTheAlmanac)
{
    // Meeus, Astronomical Algorithms (2nd ed.), example 22.a: 1987 April 10, 0h TD,
    // true obliquity 23 26' 36.850".
    const double dayValue1987 = 2446895.5 - WinPl::kJulianDayOfDayNumberZero;
    EXPECT_NEAR(WinPl::Obliquity(dayValue1987 - WinPl::DeltaTDays(dayValue1987)), 23 + 26 / 60.0 + 36.850 / 3600,
                0.5 * kArcSecond);
    // Example 12.a: 1987 April 10, 0h UT, apparent sidereal time at Greenwich 13h10m46.1351s.
    const int dayFloor = static_cast<int>(dayValue1987);
    EXPECT_NEAR(WinPl::SiderealTime(dayFloor, 0.0, 0.0), 13 + 10 / 60.0 + 46.1351 / 3600, 0.01 / 3600);
    // East longitude adds to the local sidereal time.
    EXPECT_NEAR(WinPl::SiderealTime(dayFloor, 15.0, 0.0), 14 + 10 / 60.0 + 46.1351 / 3600, 0.01 / 3600);
}

TEST(WinPl, SunAndMoonAgreeWithTheAlmanac)
{
    // Meeus example 25.b (VSOP87): 1992 October 13, 0h TD, apparent Sun 199 54' 21.818".
    const WinPl::SolarTerms sun = WinPl::Sun(D2000OfTT(2448908.5));
    EXPECT_NEAR(sun.sun, 199 + 54 / 60.0 + 21.818 / 3600, 1.0 * kArcSecond);
    // Meeus example 47.a: 1992 April 12, 0h TD, apparent Moon 133.167265 (a truncated
    // lunar theory, good to about 10").
    const double d = D2000OfTT(2448724.5);
    const WinPl::SolarTerms s = WinPl::Sun(d);
    EXPECT_NEAR(WinPl::Moon(d, s.sun, s.s1, s.s2, s.s3).moon, 133.167265, 10 * kArcSecond);
}

TEST(WinPl, AnglesOfTheHouses)
{
    // At sidereal time 0h the MC is 0 Aries; at 6h it is 90 degrees, and on the equator the
    // Ascendant then stands at 180 degrees.
    EXPECT_NEAR(WinPl::Meridian(0.0, 23.44), 0.0, 1e-9);
    EXPECT_NEAR(WinPl::Meridian(6.0, 23.44), 90.0, 1e-9);
    EXPECT_NEAR(WinPl::Ascendant(6.0, 23.44, 0.0), 180.0, 1e-9);
    // Near the pole the Ascendant is still a longitude in one turn.
    const double polar = WinPl::Ascendant(3.3, 23.44, 89.98);
    EXPECT_GE(polar, 0.0);
    EXPECT_LT(polar, 360.0);
}

TEST(WinPl, PointArithmetic)
{
    EXPECT_DOUBLE_EQ(WinPl::Midpoint(350.0, 10.0), 0.0);
    EXPECT_DOUBLE_EQ(WinPl::Midpoint(10.0, 350.0), 0.0);
    EXPECT_DOUBLE_EQ(WinPl::Midpoint(100.0, 200.0), 150.0);
    EXPECT_DOUBLE_EQ(WinPl::SumMinus(10.0, 20.0, 50.0), 340.0);
    EXPECT_DOUBLE_EQ(WinPl::SumPlus(200.0, 100.0, 70.0), 10.0);
    EXPECT_DOUBLE_EQ(WinPl::DiffMinus(10.0, 20.0, 30.0), 320.0);
    EXPECT_DOUBLE_EQ(WinPl::MidpointOfMidpoint(350.0, 10.0, 40.0), 20.0);
}

TEST(WinPl, UsesTheEphemerisFilesWhenInstalled)
{
    const auto& info = WinPl::Ephemeris();
    if (info.path.empty())
        GTEST_SKIP() << "no ephemeris files on this machine";
    EXPECT_TRUE(info.usesFiles);
    EXPECT_LT(info.firstYear, 1800.1);
    EXPECT_GT(info.lastYear, 2399.9);
}

} // namespace
} // namespace nemra
