// The live transit: the transit chart cast again from the clock every few seconds, with
// the arcs and the dial index carried along.
#pragma once

#include "core/ChartInput.h"
#include "core/Clock.h"

namespace nemra {

struct MainSession;

inline constexpr int kRealTimeIntervalMs = 4000;

// The record the place dialog works on before the live transit starts: GChartInput with
// the place, latitude and longitude last chosen in the dialog.
TChartInput PlaceDialogInput(const MainSession& s);

// OK in the place dialog: its place, latitude and longitude go into GChartInput and are
// remembered for the dialog's next opening.
void TakeChosenPlace(MainSession& s, const TChartInput& chosen);

// Start of the live transit: GChartInput (with the place just chosen) is kept for the ticks,
// the dial turned back to the zodiac, the transit and V1 layers shown. Nothing is cast until
// the first tick.
void StartRealTime(MainSession& s);

// One tick: the transit chart cast for the instant `now` at the place and in the zone kept
// when the live transit started, the arcs formed anew when a natal chart exists, and the dial
// index recomputed from its kind.
void RealTimeTick(MainSession& s, UtInstant now);

// The dial index recomputed from its kind on the present charts; the subtitle follows for
// every index that names a point.
void RefreshIndexPoint(MainSession& s);

} // namespace nemra
