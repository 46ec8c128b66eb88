#include "core/MeridianHouses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace nemra {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// The ecliptic longitude on the meridian for a right ascension of the meridian, from
// tan(lambda) = tan(alpha) / cos(epsilon) with beta = 0 (Meeus, Astronomical Algorithms,
// ch. 13), computed here apart from the ephemeris layer.
double MeridianLongitude(double ramcDeg, double obliquityDeg)
{
    const double lon = std::atan2(std::sin(ramcDeg * kDeg), std::cos(ramcDeg * kDeg) * std::cos(obliquityDeg * kDeg));
    return std::fmod(lon / kDeg + 360.0, 360.0);
}

double ArcBetween(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

TEST(MeridianHouses, TenthCuspAgreesWithATableOfHouses)
{
    // Raphael's Tables of Houses (obliquity 23°27'): sidereal time 1h 51m 37s puts 0°00'
    // Taurus on the tenth cusp.
    const auto cusps = MeridianHouseCusps(1.0 + 51.0 / 60.0 + 37.0 / 3600.0, 23.45);
    EXPECT_NEAR(cusps[9], 30.0, 1.0 / 60.0);
}

TEST(MeridianHouses, EveryCuspIsTheMeridianTwoHoursOnAndWrapsPastMidnight)
{
    for (const double st : {0.0, 7.3, 17.25, 23.5}) {
        const auto cusps = MeridianHouseCusps(st, 23.4393);
        for (int n = 1; n <= kHouseCount; ++n) {
            const double ramc = 15.0 * (st + 6.0 + 2.0 * (n - 1));
            EXPECT_LT(ArcBetween(cusps[static_cast<std::size_t>(n - 1)], MeridianLongitude(ramc, 23.4393)), 1e-6)
                << "st " << st << " cusp " << n;
        }
    }
}

} // namespace
} // namespace nemra
