// Angle arithmetic shared by the whole program. All angles are doubles in degrees.
#pragma once

namespace nemra {

// 1.0 for x >= 0 (zero included), -1.0 otherwise.
double SignOf(double x);

// Whole part of x, truncated toward zero, as a real.
double IntPart(double x);

// Greatest whole number not greater than x.
double FloorPart(double x);

// x reduced into one turn: 0 <= result < 360 degrees. The one angle normaliser.
double Normalize360(double x);

// Signed shortest arc from `from` to `to` in degrees, in [-180, 180).
double ShortestArc(double from, double to);

// Nearest multiple of `step` (degrees, > 0) to the forward distance from x to y, folded
// into 0..180, and the signed deviation from that multiple (negative when y has not yet
// reached the exact aspect). x and y are longitudes in 0 <= lon < 360. The multiple is
// rounded half to even.
struct AspectResult {
    double aspect = 0.0;
    double orb = 0.0;
};
AspectResult AspectOf(double x, double y, double step);

} // namespace nemra
