// The midpoint finder of the dial: every pair of factors of the shown rings whose midpoint
// stands on the pointer's axis within an orb. On the 360 dial the axis is the pointer and
// its opposite point; on the 90 dial every 45-degree multiple of the pointer. Also the
// pointer's equivalents on the other arms of the dial and the parsing of a typed pointer
// position. Angles are zodiac longitudes in degrees.
#pragma once

#include "mainwin/model/DialGeometry.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace nemra {

struct MainSession;

inline constexpr double kDefaultFinderOrb = 1.0;
inline constexpr double kMaxFinderOrb = 10.0;

// One point the finder can pair: a factor of a ring (ChartLayer natal, transit or V1), its
// true position or its reflection.
struct FinderPoint {
    int layer = 1;
    int factor = 0;
    bool reflected = false;
    double lon = 0.0;
};

struct FinderPair {
    FinderPoint a;
    FinderPoint b;
    double midpoint = 0.0;  // the nearer midpoint of a and b, [0, 360)
    double deviation = 0.0; // degrees from the nearest arm of the pointer's axis, >= 0
};

// Which rings take part.
struct FinderRings {
    bool natal = false;
    bool transit = false;
    bool v1 = false;
};

// The rings the dial draws: natal and transit when cast and visible, V1 when shown.
FinderRings ShownRings(const MainSession& s);

// The points of the chosen rings as the dial draws them: factors 1..21 of the natal and
// transit rings, 0..21 of the V1 ring, each with its reflection when the reflection set
// (FMaxContracia) draws it. Rings whose charts are not cast give no points.
std::vector<FinderPoint> FinderPoints(const MainSession& s, FinderRings rings);

// The arm spacing of the pointer's axis: 180 on the 360 dial, 45 on the 90 dial.
double FinderAxisStep(int dialType);

// Every pair of `points` whose nearer midpoint lies within `orb` of pointer + k x step
// (step by the dial type), except a factor paired with its own reflection in the same
// ring. Sorted by ascending deviation, ties in the order of the points.
std::vector<FinderPair> FindMidpointPairs(std::span<const FinderPoint> points, double pointer, int dialType,
                                          double orb);

// The finder's list for the session: shown rings, the pointer (FDialRotation), the dial
// type and the orb (FMidFinderOrb). Empty while the finder is off.
std::vector<FinderPair> SessionMidpointPairs(const MainSession& s);

// The colour of the pair at `index` of the list, its line on the dial and its mark in the
// list: a fixed cycle of distinct colours that read on the dial's light face.
Rgb FinderPairColour(std::size_t index);

// A point's name: its factor code, "-" before it for the reflection ("SU", "-MO").
std::string FinderPointName(const FinderPoint& p);
// "SU/MO": the pair as the list shows it.
std::string FinderPairName(const FinderPair& pair);

// The pointer's equivalents on the other arms of the dial: +90, +180, +270 on the 90
// dial, +180 on the 360 dial, each in [0, 360).
std::vector<double> PointerEquivalents(double pointer, int dialType);

// A typed pointer position: "SIGN,DEG,MIN" with the sign 0..11 from Aries, or a position
// text as the program writes it ("15มษ34", also with the English sign abbreviation
// "15Ari34"). Blanks around the parts are allowed.
struct PointerParse {
    std::optional<double> lon;
    std::string error; // why the text was refused, when it was
};
PointerParse ParsePointerPosition(const std::string& text);

} // namespace nemra
