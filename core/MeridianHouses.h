// Meridian houses: twelve houses unequal in longitude, each spanning two hours of sidereal
// time (30 degrees of the equator), counted so that cusp 10 is the chart's own Meridian.
#pragma once

#include <array>

namespace nemra {

inline constexpr int kHouseCount = 12;

// Cusps 1..12 (index 0..11), ecliptic longitudes in degrees, from the chart's local
// sidereal time in hours and the obliquity in degrees: cusp n is the meridian of sidereal
// time + 6 + 2 (n - 1) hours, so cusp 10 is the chart's own Meridian.
std::array<double, kHouseCount> MeridianHouseCusps(double siderealHours, double obliquityDeg);

} // namespace nemra
