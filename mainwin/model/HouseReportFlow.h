// The house report's part of the main window's state: what the factors-in-houses command
// does with the factor and chart chosen in the house-factor dialog, and the inputs of the
// two placement reports taken from the session.
#pragma once

#include "reports/model/Placement.h"

namespace nemra {

struct ChartSet;
struct DialSession;

// Turns the dial index to factor `factor` (1..21) of chart `chart` (1 natal, 2 transit):
// FIndexDial, FDialRotation (the factor's longitude), GHouseChart, FDialTitle
// ("เรือนชะตา" + the factor's Thai name) and an empty FDialSubTitle. Values out of range
// are brought to the nearest allowed one. The caller then redraws the dial and updates the
// menus.
void SetHouseReportIndex(DialSession& s, int factor, ChartLayer chart);

// After that redraw: shifts FDialRotation by the house rule (ShiftedHouseStart) and returns
// the house report of `factor` in the chart of GHouseChart: Meridian houses from that
// chart's sidereal time for the Meridian, equal houses from the shifted rotation for any
// other factor.
PlacementReport ShiftIndexToHouses(DialSession& s, int factor);

// The sign report of the session's charts.
PlacementReport SignReportOf(const ChartSet& s);

} // namespace nemra
