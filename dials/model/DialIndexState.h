// The dial's index and the calculation dials' remembered choices: where the dial points,
// what kind of point that is and how it is named, with the design's field names. The
// session holds them beside the charts; the index operations take the parts they change.
#pragma once

#include "core/ChartLayers.h"
#include "core/ChartSet.h"

#include <string>

namespace nemra {

inline constexpr const char* kZodiacDialTitle = "จักรราศี";

struct DialIndexState {
    double FDialRotation = 90.0; // degrees
    int FIndexMode = 0;          // an IndexMode
    int FIndexDial = 1;
    int FIndexFactorA = 0;
    int FIndexFactorB = 0;
    int FIndexFactorC = 0;
    std::string FDialTitle = kZodiacDialTitle;
    std::string FDialSubTitle;
    bool FIndexAccepted = false;

    ChartLayer GHouseChart = kLayerNone; // 1 natal, 2 transit: whose house cusps the dial draws; none at start
    ChartLayer IndexLayer = kLayerNatal;
    std::string IndexName;
    std::string IndexFactorCode;
    int IndexCodeFactor = 0;
};

// Remembered choices of the calculation dials, kept between their openings.
struct DialChoices {
    int FMidSource = 3;  // midpoint dial: source 3 = natal chart
    int FSensKind = 1;   // sensitive points: 1 = A+B-C
    int FSensSource = 7; // sensitive points: source 7 = natal chart
    // Midpoint dial: the two factors (0..21), midpoint of A and B rather than A alone, and
    // the reflection of the point.
    int FMidFactorA = 0;
    int FMidFactorB = 0;
    bool FMidUsePair = false;
    bool FMidReflect = false;
    // Sensitive points: the three factors (0..21).
    int FSensFactorA = 0;
    int FSensFactorB = 0;
    int FSensFactorC = 0;
};

// What the index operations work on: the charts the points come from, the index they set
// and the choices the dials remember.
struct DialSession : ChartSet, DialIndexState, DialChoices {};

} // namespace nemra
