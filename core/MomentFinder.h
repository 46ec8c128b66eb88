// Moment finding: the moments at which an angle computed from the ephemeris layer reaches a
// value (the Sun at a longitude, the Moon at an elongation from the Sun), found by sampling
// for a bracket and refining it to a small fraction of a second. Times are Julian days in
// universal time; angles are degrees.
#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace nemra {

// A signed angle difference in degrees at a moment given as a Julian day (UT). Any whole
// number of turns may be added: the finder reduces it into [-180, 180), so "longitude minus
// target" can be handed over as it is.
using AngleDifference = std::function<double(double jdUT)>;

// The finder narrows every bracket to this width (days): 0.0864 s.
inline constexpr double kMomentToleranceDays = 1e-6;

// The moments in [fromJdUT, toJdUT) at which the reduced difference passes through zero, in
// time order. The difference is sampled every `stepDays` (> 0); the step must be short enough
// that the difference moves less than 180° between two samples and passes zero at most once
// (the Sun moves about 1°/day, the Moon-Sun elongation 10°..15°/day: 7 days serve both).
// A jump of 180° or more between two samples is the wrap of the reduction, not a root.
std::vector<double> FindMoments(const AngleDifference& difference, double fromJdUT, double toJdUT, double stepDays);

// The first such moment, or nothing when the difference passes zero nowhere in the range.
std::optional<double> FindMoment(const AngleDifference& difference, double fromJdUT, double toJdUT, double stepDays);

// The Sun's apparent longitude (degrees, 0 <= lon < 360) at a Julian day (UT), as the chart
// casting computes it.
double SunLongitudeAt(double jdUT);

// The Moon's apparent longitude minus the Sun's (degrees, 0 <= e < 360) at a Julian day (UT):
// 0 at new moon, 180 at full moon.
double MoonSunElongationAt(double jdUT);

} // namespace nemra
