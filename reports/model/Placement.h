// The factors in houses and in signs: which factors of the natal and the transit chart
// stand in each of twelve houses (counted from one chosen factor) or signs, as a
// two-level outline of twelve house or sign lines each followed by its factors, and the
// lines of its text file.
#pragma once

#include "core/ChartLayers.h"
#include "core/ChartRecord.h"
#include "core/MeridianHouses.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace nemra {

// What the report needs of one chart, copied when the report is asked for.
struct PlacementChart {
    TChartInput Input;
    std::array<double, kFactorCount> Lon{}; // degrees
    std::array<std::string, kFactorCount> Retro{};
    bool Computed = false;
};

PlacementChart PlacementChartOf(const TChartRecord& chart);

// The houses of the house report: cusps 1..12 (index 0..11) in degrees, the chart they
// were taken from (1 natal, 2 transit) and the factor 1..21 they were counted from.
struct HouseFrame {
    std::array<double, kHouseCount> HouseCusps{};
    ChartLayer GHouseChart = kLayerNatal;
    int HouseStartFactor = 1;
};

// The report's inputs: both charts, which of them are listed, and the houses (none for
// the sign report).
struct PlacementReport {
    PlacementChart Natal;
    PlacementChart Transit;
    bool ShowNatalFactors = false;
    bool ShowTransitFactors = false;
    std::optional<HouseFrame> Houses;
};

// The sign report of two charts; each chart is listed when it is computed.
PlacementReport SignReportOf(const TChartRecord& natal, const TChartRecord& transit);

// The house report of two charts from a factor 1..21 of chart 1 (natal) or 2 (transit)
// and the cusps already computed for it; each chart is listed when it is computed.
PlacementReport HouseReportOf(const TChartRecord& natal, const TChartRecord& transit, ChartLayer chart, int factor,
                              const std::array<double, kHouseCount>& cusps);

// The start of equal houses: the factor's longitude shifted so that the Ascendant and the
// Node stand on cusp 1, the Moon on cusp 10 and every other factor on cusp 4. The
// Meridian, which has Meridian houses, is not shifted. Degrees, 0 <= result < 360.
double ShiftedHouseStart(int factor, double lonDeg);

// Equal 30-degree houses from a shifted start: cusp 1 is the start + 90 degrees.
std::array<double, kHouseCount> EqualHouseCusps(double shiftedStartDeg);

// The house caption: "เรือนชะตา" + the factor's Thai name + "กำเนิด" (chart 1) or "จร".
std::string HouseCaption(int factor, ChartLayer chart);

// The caption of the report and the first line of its file: the house caption, or
// "ปัจจัยในราศี" for signs.
std::string PlacementCaption(const PlacementReport& report);

// Which charts the radio group's item shows: 0 natal, 1 transit, 2 both.
void ShowChartsOfItem(PlacementReport& report, int item);

// How the radio group opens: with both charts computed on item 0 and enabled; with only
// the natal chart on item 0, disabled; otherwise on item 1, disabled.
struct ChartChoiceOpening {
    int item = 0;
    bool enabled = true;
};
ChartChoiceOpening ChartChoiceOpeningFor(bool natalComputed, bool transitComputed);

// One line of the sorted list: a house or sign line (header) or a factor.
struct PlacementNode {
    std::string Text;
    double Value = 0.0;     // degrees: the longitude, or for houses the distance from cusp 1
    std::string MotionMark; // at most 2 characters
    bool Header = false;
    int Factor = 0; // the factor 1..21 of a factor node, 0 for a header
};
using PlacementList = std::vector<PlacementNode>;

// The twelve header nodes and a node for every factor 1..21 of each chart listed and
// computed (in the house report less the start factor of the chart the houses come from),
// ascending by value; a node goes in front of the nodes whose value equals its own.
PlacementList BuildPlacementList(const PlacementReport& report);

// The top-level lines of the outline: "เรือนที่  1 - " + cusp 1 .. for houses, the sign
// names for signs.
std::vector<std::string> TopLevelLines(const PlacementReport& report);

// One top-level line with its factor lines.
struct PlacementGroup {
    std::string Text;
    std::vector<std::string> Children;
    std::vector<int> ChildFactors; // the factor 1..21 of each child line
};
using PlacementTree = std::vector<PlacementGroup>;

// The outline: in the sign report each factor goes under its sign; in the house report the
// list is walked in order and each factor goes under the house line last passed, so house
// n holds the factors above cusp n up to cusp n + 1. A factor exactly on cusp 1 belongs
// to house 1.
PlacementTree BuildPlacementTree(const PlacementReport& report, const PlacementList& list);

// The outline of the report: the list built and grouped.
PlacementTree BuildPlacementOutline(const PlacementReport& report);

// The lines of the text file: the caption, then every top-level line followed by its
// factor lines, each preceded by one tab.
std::vector<std::string> PlacementFileLines(const std::string& caption, const PlacementTree& tree);

} // namespace nemra
