// WinDeg: the arc layer. Degree arithmetic and the degree texts shown in the grid, the
// dial captions and the reports. Angles in degrees, times in hours.
#pragma once

#include <string>

namespace nemra::WinDeg {

// Angle reduced into 0 <= a < 360 degrees.
double Reduce360(double deg);

// Sine and cosine of an angle in degrees (the dial draws x = centre - r*sin,
// y = centre - r*cos: angle 0 at the top, growing counter-clockwise).
double SinDeg(double deg);
double CosDeg(double deg);

// Arctangent of t, in degrees (-90, 90); the caller adds the quadrant.
double ArcTanDeg(double t);

// Degrees.minutes (or hours.minutes) form -> decimal: 13.45 -> 13.75, -9.30 -> -9.5.
double DegMinToDecimal(double degMin);

// Hours reduced into 0 <= h < 24.
double Reduce24(double hours);

// An arc in degrees as "degrees.minutes", rounded to the nearest minute: 33.2 -> "33.12",
// -1.5 -> "-1.30". At most 9 characters for any arc within +-99999 degrees.
std::string ArcText(double arcDeg);

// A longitude as degrees within the sign, the Thai sign abbreviation and minutes, rounded
// to the nearest minute within its own sign: 15.5667 -> "15มษ34", 29.9990 -> "29มษ59" (never
// the next sign's 00°00'). Always 6 characters. Every position text of the program is
// written by this one function.
std::string PositionText(double lonDeg);

} // namespace nemra::WinDeg
