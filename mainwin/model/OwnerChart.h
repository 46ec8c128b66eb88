// The built-in owner chart: the chart the program casts as the natal chart at start-up.
#pragma once

#include "core/ChartInput.h"

namespace nemra {

// The change of government of 24 June 2475 BE (1932), 06.00 at Bangkok.
TChartInput OwnerChartInput();

} // namespace nemra
