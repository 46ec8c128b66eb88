// The point formulas of the dial index: layer shifts, reflections, midpoints, the six
// sensitive points, and the one function that forms the index point from its kind. The
// calculation dials, the real-time transit and the reports all compute through here, so a
// point recomputed from its kind is the point the dial chose. Angles are degrees.
#pragma once

#include "core/ChartLayers.h"
#include "core/ChartRecord.h"
#include "core/FactorCatalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace nemra {

using FactorPositions = std::array<TFactorPos, kFactorCount>;

// What kind of point the dial index is (FIndexMode).
enum IndexMode : int {
    kIndexZodiac = 0, // zodiac from the Cancer point, a user point or a dragged ring
    kIndexHouse = 1,
    kIndexFactor = 2,
    kIndexFactorReflection = 3,
    kIndexMidpoint = 4,
    kIndexMidpointReflection = 5,
    kIndexNatalTransitMidpoint = 6,
    kIndexNatalTransitMidpointReflection = 7,
    kIndexDailyMeridian = 8,
    kIndexSumMinus = 9,          // A+B-C
    kIndexSumPlus = 10,          // A+B+C
    kIndexDiffMinus = 11,        // A-B-C
    kIndexMidpointOfPair = 12,   // A/B//C
    kIndexAriesMeridianSun = 13, // AR+MC-(MC/SU)
    kIndexAriesSunMeridian = 14, // AR+SU-(MC/SU)
};

// The six sensitive-point formulas (FSensKind) and the index mode each gives.
inline constexpr int kSensKindCount = 6;
inline constexpr int kFirstSensIndexMode = kIndexSumMinus;

// Solar arc, half arc and double arc in degrees.
struct SolarArcs {
    double arc = 0.0;
    double halfArc = 0.0;
    double doubleArc = 0.0;
};

// Signed arc by which a chart layer (1..8) stands from the natal chart: +arc for V1, -arc
// for V2 at normal, half or double arc; 0 for the natal and transit layers and any other value.
double LayerArc(int layer, const SolarArcs& arcs);

// A natal-based longitude moved into a layer, normalised.
double ShiftToLayer(double lonDeg, int layer, const SolarArcs& arcs);

// Reflection of a longitude about the axis (360 Aries-Libra, 180 Cancer-Capricorn), normalised.
double ReflectionPoint(double lonDeg, int axis);

// Midpoint of factors a and b (argument order a, b).
double FactorMidpoint(const FactorPositions& chart, int a, int b);

// Sensitive point of kind 1..6 from one chart: 1 A+B-C, 2 A+B+C, 3 A-B-C, 4 A/B//C with
// the chosen factors; 5 AR+MC-(MC/SU) and 6 AR+SU-(MC/SU) from the chart's own Aries
// point, Meridian and Sun (a, b, c ignored).
double SensitivePoint(int kind, const FactorPositions& chart, int a, int b, int c);

// The Thai name of a sensitive point: the factors' Thai codes joined by the formula's
// signs for kinds 1..4, the fixed formula for kinds 5 and 6.
std::string SensitiveName(int kind, int a, int b, int c);

// A factor's two-letter code in upper case ("Me" -> "ME").
std::string UpperFactorCode(int factor);

// The four-letter code of a midpoint: code A then code B in upper case, except that the
// Aries point/Meridian and Ascendant/Sun pairs are written MCAR and SUAS.
std::string PairCode(int a, int b);

// The dial-title suffix of a layer (" กำเนิด", " จร", " V1", ...); empty for 0.
std::string_view LayerTitleSuffix(int layer);

// The definition of an index point, as the dials record it in the session.
struct IndexKind {
    int mode = kIndexZodiac;
    int factorA = 0;
    int factorB = 0;
    int factorC = 0;
    ChartLayer layer = kLayerNone;       // IndexLayer: none, or the layer the point was taken from
    ChartLayer houseChart = kLayerNatal; // GHouseChart: natal or transit (house dial)
};

// The positions an index point is formed from.
struct PointSources {
    const FactorPositions& natal;
    const FactorPositions& transit;
    SolarArcs arcs;
    ReflectionAxis axis = kAxisAriesLibra;
    double dailyMeridian = 0.0;
};

// The index point of a kind, or nothing when the kind is a fixed point (zodiac, user point,
// a dragged ring) or cannot be formed (no layer, a factor number out of range).
// Combinations are formed from one chart's longitudes first, then reflected, then moved
// into the layer.
std::optional<double> IndexPoint(const IndexKind& kind, const PointSources& sources);

} // namespace nemra
