// Relocation: a chart's moment at another place.
#pragma once

#include "charts/model/ChartMoment.h"
#include "charts/model/ChartPlace.h"

namespace nemra {

// The same universal-time moment at `place`: zone, latitude, longitude and place name taken
// from it, the date and clock time rewritten for its zone (the date may change), the name
// kept. Refused when the chart or the place is malformed, or the local date at the new zone
// falls outside the years the chart input accepts.
ChartOutcome Relocate(const TChartInput& chart, const ChartPlace& place);

} // namespace nemra
