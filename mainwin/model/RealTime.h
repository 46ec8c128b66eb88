// The live transit: the transit chart cast again from the clock every few seconds, with
// the arcs and the dial index carried along.
#pragma once

#include "Clock.h"

namespace nemra {

struct MainSession;

inline constexpr int kRealTimeIntervalMs = 4000;

// Start of the live transit: the dial turned back to the zodiac, the transit and V1 layers
// shown. Nothing is cast until the first tick.
void StartRealTime(MainSession& s);

// One tick: the transit chart cast for the instant `now` at the place and in the zone of
// GChartInput, the arcs formed anew when a natal chart exists, and the dial index recomputed
// from its kind.
void RealTimeTick(MainSession& s, UtInstant now);

// The dial index recomputed from its kind on the present charts; the subtitle follows for
// every index that names a point.
void RefreshIndexPoint(MainSession& s);

} // namespace nemra
