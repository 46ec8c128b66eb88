// The ephemeris layer's further figures, for the astronomical data: the time scales,
// sidereal time, obliquity and nutation of a moment; a body's ecliptic and equatorial place,
// distance and daily motion, tropical and sidereal (Lahiri ayanamsa); the Moon's phase angle;
// sunrise and sunset. The same ephemeris and flags as the rest of WinPl: apparent geocentric
// places, true equinox of date, the ephemeris files when found. Times are Julian days in
// universal time (UT) unless named TT; angles are degrees.
#pragma once

#include <optional>

namespace nemra::WinPl {

struct MomentFigures {
    double jdUT = 0.0;
    double jdTT = 0.0;
    double deltaTSeconds = 0.0;     // TT - UT
    double siderealHours = 0.0;     // local apparent sidereal time, 0 <= h < 24
    double trueObliquity = 0.0;     // degrees
    double nutationLongitude = 0.0; // degrees
    double nutationObliquity = 0.0; // degrees
    double ayanamsa = 0.0;          // Lahiri, with nutation: tropical minus sidereal longitude
};

// The figures of a moment at a place `eastLonDeg` degrees east of Greenwich.
MomentFigures MomentFiguresAt(double jdUT, double eastLonDeg);

struct BodyFigures {
    bool ok = false;             // false when the library could not compute the body
    bool fromFiles = false;      // from the ephemeris files (else the analytic ephemeris)
    double longitude = 0.0;      // ecliptic, 0 <= lon < 360
    double latitude = 0.0;       // ecliptic
    double distanceAU = 0.0;     // from the Earth's centre
    double speed = 0.0;          // of the longitude, degrees per day (negative: retrograde)
    double rightAscension = 0.0; // 0 <= ra < 360
    double declination = 0.0;
    double siderealLongitude = 0.0; // Lahiri, 0 <= lon < 360
};

// The figures of a factor (FactorCatalogue: kSun..kPluto, kCupido..kPoseidon, or kNode, the
// true node when `trueNode`, else the mean node). Any other factor gives ok == false.
BodyFigures FactorFiguresAt(int factor, bool trueNode, double jdUT);

// A point of the ecliptic (latitude 0) in equatorial coordinates with the given obliquity.
struct Equatorial {
    double rightAscension = 0.0; // 0 <= ra < 360
    double declination = 0.0;
};
Equatorial EclipticPointToEquatorial(double lonDeg, double obliquityDeg);

// The angle Sun-Moon-Earth at the Moon, degrees: 0 at full moon, 180 at new moon.
double MoonPhaseAngleAt(double jdUT);

// The first sunrise or sunset after `jdUT` at a place (the Sun's upper limb on the horizon,
// with the refraction of 1013.25 hPa and 15 °C), or nothing when the Sun does not rise or
// set there within the library's search (a polar day or night).
std::optional<double> SunriseAfter(double jdUT, double eastLonDeg, double latDeg);
std::optional<double> SunsetAfter(double jdUT, double eastLonDeg, double latDeg);

// Where the transneptunian points' orbital elements come from: the elements file in the
// ephemeris folder (seorbel.txt), which the library reads before its built-in ones.
bool OrbitalElementsFromFile();

} // namespace nemra::WinPl
