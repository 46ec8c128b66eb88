// WinPl: the ephemeris layer. Each function keeps the contract of one ordinal of the
// ephemeris library the chart computation was designed against (what it is given and
// what callers rely on), and computes with Swiss Ephemeris:
//  - longitudes are apparent geocentric tropical (true equinox of date, aberration,
//    nutation), in degrees, 0 <= lon < 360;
//  - time goes in as universal time; D is a day count from 0h UT of 31 December 1999
//    (Julian day = D + 2451543.5); "day numbers" count days with 1 January 1900 as day 1
//    (Julian day = count + day fraction + 2415019.5);
//  - the ephemeris files are used when found, the built-in analytic ephemeris otherwise.
// The auxiliary terms S1..S3 and A..C are this layer's own: S1 is the Julian day (UT)
// of D, S2 the Julian day (TT) of D, S3 the Sun's distance in AU; A, B, C repeat
// the Julian days (TT, UT) and Delta T in days.
#pragma once

#include <string>

namespace nemra::WinPl {

inline constexpr double kJulianDayOfDayNumberZero = 2415019.5; // day number 0, 0h UT
inline constexpr double kJulianDayOfD2000Zero = 2451543.5;     // D = 0: 31 Dec 1999, 0h UT
inline constexpr int kD2000OfDayNumber = 36524;                // D = day number - 36524

// What ephemeris is in use; filled once, on first use of any function here.
struct EphemerisInfo {
    std::string path; // folder of the ephemeris files, empty when none was found
    bool usesFiles = false;
    double firstYear = -3000.0; // years (Christian era, fractional) the ephemeris covers
    double lastYear = 3000.0;
    std::string libraryVersion;
};
const EphemerisInfo& Ephemeris();

// The Swiss Ephemeris flag of the ephemeris in use (SEFLG_SWIEPH or SEFLG_MOSEPH), for the
// layer's other files, which ask the library exactly as this one does.
int EphemerisFlag();

// Folder where ephemeris files are looked for first; call before any other function
// here (later calls have no effect). The environment variable NEMRA_EPHE_PATH does the
// same; without either, the usual system folders are searched.
void SetPreferredEphemerisPath(const std::string& folder);

// #1: integer day count of a (Christian, Gregorian) date, as the day argument of TrueNode.
// Counts as DayNumber does.
int DayCount(int day, int month, int year);

// #3: day number of a date: 1 January 1900 is day 1.
int DayNumber(int day, int month, int year);

// #5: Delta T (TT - UT) in days at a day number with UT fraction.
double DeltaTDays(double dayValue);

// #7: true obliquity of the ecliptic in degrees at a day number with UT fraction.
double Obliquity(double dayValue);

// #8: local apparent sidereal time in hours (0 <= st < 24) at a whole day number, an east
// longitude in degrees and UT hours.
double SiderealTime(int dayFloor, double eastLonDeg, double utHours);

// #12: longitude of the meridian (MC) for a sidereal time in hours and an obliquity.
double Meridian(double siderealHours, double obliquityDeg);

// #13: longitude of the Ascendant for a sidereal time, an obliquity and a north latitude.
double Ascendant(double siderealHours, double obliquityDeg, double latDeg);

struct SolarTerms {
    double sun = 0.0;
    double s1 = 0.0;
    double s2 = 0.0;
    double s3 = 0.0;
};
// #14: the Sun and the solar terms handed back to the Moon and the planets.
SolarTerms Sun(double d2000);

struct MoonResult {
    double moon = 0.0;
    double meanNode = 0.0;
};
// #15: the Moon and the mean lunar node.
MoonResult Moon(double d2000, double sun, double s1, double s2, double s3);

// #16, #17, #18, #23, #24.
double Mercury(double d2000, double sun, double s2);
double Venus(double d2000, double sun, double s2);
double Mars(double d2000, double sun, double s2);
double Neptune(double d2000, double sun, double s2);
double Pluto(double d2000, double sun, double s2);

struct OuterTerms {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};
// #19: terms for Jupiter, Saturn and Uranus.
OuterTerms Outer(double d2000);

// #20, #21, #22.
double Jupiter(double d2000, double sun, double s2, double a, double b, double c);
double Saturn(double d2000, double sun, double s2, double a, double b, double c);
double Uranus(double d2000, double sun, double s2, double b);

// #25..#32: the transneptunian points Cupido (factor 14) .. Poseidon (factor 21), given
// month, year and the Sun. The point is computed for the exact moment `d2000`, which the
// layer also takes, so that it is exact to the arc-second rather than to the month.
double TransNeptunian(int factor, int month, int year, double sun, double d2000);

// #34: midpoint of the shorter arc between a and b, normalised.
double Midpoint(double a, double b);
// #35: a + b - c, normalised.
double SumMinus(double a, double b, double c);
// #36: a + b + c, normalised.
double SumPlus(double a, double b, double c);
// #37: a - b - c, normalised.
double DiffMinus(double a, double b, double c);
// #38: "A/B//C": the midpoint of the midpoint a/b and c.
double MidpointOfMidpoint(double a, double b, double c);

// #40: true lunar node at a day count (as DayCount) and UT hours of that day.
double TrueNode(double dayCount, double utHours);

} // namespace nemra::WinPl
