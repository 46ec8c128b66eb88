// House cusps drawn on the dial: the Meridian houses of a chart, unequal in longitude, each
// spanning two hours of sidereal time (30 degrees of the equator).
#pragma once

#include <array>
#include <optional>

namespace nemra {

struct MainSession;

// Cusps 1..12 (index 0..11), ecliptic longitudes in degrees, from the chart's local
// sidereal time in hours and the obliquity in degrees: cusp n is the meridian of sidereal
// time + 6 + 2 (n - 1) hours, so cusp 10 is the chart's own Meridian.
std::array<double, 12> MeridianHouseCusps(double siderealHours, double obliquityDeg);

// The cusps the 360 dial draws: those of the chart named by GHouseChart (1 natal,
// 2 transit) while the index is the Meridian and that chart is computed; else none.
std::optional<std::array<double, 12>> DialHouseCusps(const MainSession& s);

} // namespace nemra
