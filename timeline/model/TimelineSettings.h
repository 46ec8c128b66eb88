// What a graphic ephemeris and its timing list are made for: a period from a Buddhist-era start
// date, the modulus of the graph, the moving factors (transit, or solar-arc directed) and the
// fixed points of the natal chart (factors, their reflections, chosen midpoints), and the base
// angle and orb of the list. Angles are degrees; moments are Julian days in universal time.
#pragma once

#include "charts/model/ChartMoment.h"
#include "core/ChartRecord.h"
#include "core/Result.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace nemra {

enum class MoverLayer { Transit, Directed };

// A moving factor: a transit body, or a natal factor moved on by the solar arc.
struct Mover {
    MoverLayer layer = MoverLayer::Transit;
    int factor = kSun;
    friend bool operator==(const Mover&, const Mover&) = default;
};

enum class FixedKind { Factor, Reflection, Midpoint };

// A fixed point of the natal chart: a factor `a`, its reflection point, or the midpoint a/b.
struct FixedPoint {
    FixedKind kind = FixedKind::Factor;
    int a = kSun;
    int b = kSun; // midpoints only
    friend bool operator==(const FixedPoint&, const FixedPoint&) = default;
};

inline constexpr std::array<double, 5> kGraphModuli = {360.0, 90.0, 45.0, 30.0, 22.5};
inline constexpr double kDefaultModulus = 45.0;
inline constexpr int kShortestPeriodMonths = 1;
inline constexpr int kLongestPeriodMonths = 120;
// The Moon is sampled hourly, so it is offered over short periods only.
inline constexpr int kLongestMoonPeriodMonths = 3;

// Transit Sun, node, Mercury to Pluto and the eight transneptunian points.
std::vector<Mover> DefaultMovers();
// The solar-arc directed factors Meridian to Poseidon.
std::vector<Mover> DirectedMovers();
// The natal factors Meridian to Poseidon.
std::vector<FixedPoint> DefaultFixedPoints();

struct TimelineSettings {
    int startDay = 1;
    int startMonth = 1;
    int startYearBE = 2568;
    int months = 12; // length of the period
    double modulus = kDefaultModulus;
    std::vector<Mover> movers = DefaultMovers();
    std::vector<FixedPoint> fixed = DefaultFixedPoints();
    bool trueNode = true; // the node mover: true node, else mean node
    double base = 45.0;   // the timing list's base angle
    double orb = 1.0;     // the timing list's orb
};

// The period as moments: from the start date at 0h of the natal chart's zone to the same day
// `months` later (the last day of a shorter month), and the zone the dates are shown in.
struct TimelinePeriod {
    double fromJdUT = 0.0;
    double toJdUT = 0.0;
    std::int64_t zoneSeconds = 0; // east of Greenwich
};

// The setting a refusal is about, so that a caller can point at its control or option.
enum class TimelineSetting { None, Start, Length, Modulus, Base, Orb, Movers };

// Why settings cannot be used: a text for the user (Thai) and the setting it is about.
struct TimelineFault {
    TimelineSetting setting = TimelineSetting::None;
    std::string reason;
};

using PeriodOutcome = Result<TimelinePeriod, TimelineFault>;

// The period of the settings at a zone, or why the settings cannot be used (a start date that
// does not exist, a length, modulus, base or orb out of range, the Moon over a long period, an
// end beyond the years the charts serve).
PeriodOutcome PeriodOf(const TimelineSettings& settings, std::int64_t zoneSeconds);

// The period from the settings' start date to the end of `lastDay` (Christian calendar, its
// time ignored), for a period given by its first and last day instead of its length: refused
// as PeriodOf refuses, with the length in whole months (rounded up) standing for the period,
// and when the last day comes before the first.
PeriodOutcome PeriodThrough(TimelineSettings settings, const CivilTime& lastDay, std::int64_t zoneSeconds);

// "พฤ จร", "อท V1": a mover's Thai code and the suffix of its chart layer.
std::string MoverName(const Mover& mover);
// "อท", "-อท" (reflection point), "อท/จท" (midpoint).
std::string FixedPointName(const FixedPoint& point);
// "พฤ จร = อท/จท": the picture of a mover standing on a fixed point.
std::string PictureText(const Mover& mover, const FixedPoint& point);

// The longitude of a fixed point in the natal chart: reflections about the chart's own axis.
double FixedPointLongitude(const TChartRecord& natal, const FixedPoint& point);

} // namespace nemra
