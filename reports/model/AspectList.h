// The single-factor aspect list: every pair of single factors whose distance lies within
// an orb of a whole multiple of a base angle, inside one chart or between two charts,
// and the lines of its text file.
#pragma once

#include "core/ChartRecord.h"
#include "core/ChartSet.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace nemra {

inline constexpr int kAspectModeCount = 5;

// Mode 1..5: natal within itself, transit within itself, arc-added natal to natal, transit
// to natal, transit to arc-added natal. Index mode - 1.
extern const std::array<std::string_view, kAspectModeCount> AspectModeCaptions;
extern const std::array<std::string_view, kAspectModeCount> AspectModeTitles;

// The base angles offered, as shown (degrees.minutes) and in degrees.
inline constexpr int kAspectBaseCount = 7;
extern const std::array<std::string_view, kAspectBaseCount> AspectBaseItems;
extern const std::array<double, kAspectBaseCount> AspectBaseDegrees;

// The arc kinds: 1 normal arc, 2 half arc, 3 double arc.
inline constexpr int kArcKindCount = 3;

struct AspectListSettings {
    int mode = 1;       // 1..5; anything else reads as 1
    double base = 45.0; // degrees, > 0
    double orb = 1.0;   // degrees, >= 0
    int arcKind = 1;    // 1..3; anything else reads as 1
};

// What the list reads from the main window: the two charts and the three arcs (degrees:
// normal, half, double).
struct AspectListCharts {
    const TChartRecord& natal;
    const TChartRecord& transit;
    std::array<double, kArcKindCount> arcs;
};

// The charts and arcs of a session's chart set, as the list reads them.
AspectListCharts AspectListChartsOf(const ChartSet& s);

// One listed pair: the four grid cells.
struct AspectRow {
    std::string first;     // Thai name of the first factor, "-" in front for its reflection
    std::string angle;     // the aspect angle, width 5, 1 decimal: " 45.0"
    std::string second;    // Thai name of the second factor, "-" for its reflection
    std::string deviation; // signed degrees.minutes: "+1.05", "-0.30"
};

struct AspectList {
    int mode = 1;
    TChartInput firstInput;      // the identity of the first chart
    std::string firstHeader;     // column 0 header: the first chart's name
    std::string secondHeader;    // column 2 header: the second chart's name
    std::vector<AspectRow> rows; // in enumeration order
};

// Tab caption of `mode` when `selectedMode` is shown: the selected one has a leading "*".
std::string AspectTabCaption(int mode, int selectedMode);

// Orb in degrees from the degree item (0, 1) and the minute item (0..59) of the orb lists.
double AspectOrbFor(int degreeItem, int minuteItem);

// The base angle of an item of the base list; `current` when no item (or an unknown one)
// is selected.
double AspectBaseFor(int item, double current);

// The aspect angle as listed: width 5 with 1 decimal ("  0.0", " 45.0", "135.0").
std::string AspectAngleText(double angleDeg);

// A deviation (degrees, signed) as signed degrees.minutes, width 5 with 2 decimals and a
// "+" in place of a leading blank: 1 deg 5' ahead "+1.05", 30' behind "-0.30". Seconds of
// 30 and more round the minutes up, but 59 minutes are never carried into the degrees.
std::string DeviationText(double deviationDeg);

// The arc label: "โค้งสุริยยาตร์ = " and the arc of the kind as degrees.minutes.
std::string ArcLabelText(const std::array<double, kArcKindCount>& arcs, int arcKind);

// The list for the settings, from copies of the charts.
AspectList BuildAspectList(const AspectListCharts& charts, const AspectListSettings& settings);

// The four header cells of the grid: first chart, "การทำมุม", second chart, "ระยะวังกะ".
std::array<std::string, 4> AspectHeaderCells(const AspectList& list);

// The lines of the text file: the first chart's identity, the mode's title, the header
// row and every listed row, cells joined by ",".
std::vector<std::string> AspectListFileLines(const AspectList& list);

} // namespace nemra
