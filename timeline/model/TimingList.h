// The timing list: every moment in a period at which a moving factor stands at a whole multiple
// of the base angle from a fixed point of the natal chart, found by the moment finder (brackets
// from the sampled tracks, each refined on the ephemeris itself), with the picture, the aspect
// angle, the mover's direction and the moments the orb is entered and left. Moments are Julian
// days in universal time.
#pragma once

#include "timeline/model/TimelineSettings.h"

#include <optional>
#include <string>
#include <vector>

namespace nemra {

struct TimingHit {
    double jdUT = 0.0; // the exact moment
    Mover mover;
    FixedPoint point;
    std::string picture;    // "พฤ จร = อท/จท"
    double aspectDeg = 0.0; // the multiple of the base, folded into 0..180
    bool retrograde = false;
    // The moments the mover comes within the orb of the aspect and leaves it again around this
    // hit; nothing when that lies further out than the mover can stay within the orb (or the
    // orb is 0).
    std::optional<double> orbEnterJdUT;
    std::optional<double> orbLeaveJdUT;
};

// How far beyond the period (days) a mover's orb period can reach: a month, plus the time the
// mover needs at its mean motion to cover the orb and its retrograde loop.
double OrbMarginDays(const Mover& mover, double orbDeg);

// The hits of the settings' movers on the settings' fixed points within the period, in time
// order (ties by mover, then fixed point, in the settings' order).
std::vector<TimingHit> FindTimingHits(const TChartRecord& natal, const TimelineSettings& settings,
                                      const TimelinePeriod& period);

} // namespace nemra
