// The astronomical data of a cast chart: the moment's Julian days (UT and TT), Delta T, local
// apparent sidereal time, true obliquity and nutation; for each factor its longitude,
// ecliptic latitude, declination, right ascension, distance, daily speed and sidereal (Lahiri)
// longitude, with the ephemeris it comes from; the Moon's phase angle and age; sunrise and
// sunset on the chart's local date at its place. Written as Thai text (the window, its copy
// and its file) and as tab-separated lines for scripts. Figures carry the decimals of the
// reference tool swetest, so both can be compared digit by digit.
#pragma once

#include "core/ChartRecord.h"
#include "core/WinPlAstro.h"

#include <optional>
#include <string>
#include <vector>

namespace nemra {

// Where a factor's place comes from.
enum class AstroSource {
    Angle,           // the Meridian and the Ascendant: from the sidereal time
    Files,           // the ephemeris files
    Analytic,        // the built-in analytic ephemeris
    ElementsFile,    // a transneptunian point from the orbital elements file
    BuiltInElements, // a transneptunian point from the library's own elements
};

struct AstroFactor {
    int factor = 0;
    WinPl::BodyFigures figures; // the angles have no latitude, distance or speed
    AstroSource source = AstroSource::Angle;
};

struct AstroSheet {
    std::string title; // "ดวงกำเนิด", "ดวงจร"
    std::string key;   // "natal", "transit": the first column of the tab-separated lines
    TChartInput input;
    bool computed = false;
    double zoneHours = 0.0; // east positive: the clock of the chart's rise and set times
    WinPl::MomentFigures moment;
    std::vector<AstroFactor> factors;  // the Meridian, the Ascendant, Sun..Pluto, Node, Cupido..Poseidon
    double moonPhaseAngle = 0.0;       // degrees
    std::optional<double> moonAgeDays; // since the last new moon
    std::optional<double> sunriseUT;   // Julian days, on the chart's local date
    std::optional<double> sunsetUT;
};

// The data of a chart; `trueNode` chooses the node as the chart's switch does. A chart not
// yet cast gives a sheet with `computed` false.
AstroSheet AstroSheetOf(const TChartRecord& chart, const std::string& title, const std::string& key, bool trueNode);

// The window's text of one sheet (Thai, UTF-8), also what is copied and saved.
std::vector<std::string> AstroTextLines(const AstroSheet& sheet);

// The tab-separated lines: the header "chart item quantity value", then a line for every
// figure of every computed sheet. Angles and speeds are decimal degrees, times Julian days
// (UT), distances AU (the Moon's km), the sidereal time hours; a missing rise or set "none".
std::vector<std::string> AstroTsvLines(const std::vector<AstroSheet>& sheets);

// What `nemra-chart astro --natal CHART [--format tsv|text]` prints: the natal chart cast with
// `options` (its node switch also chooses the node listed), as tab-separated lines or as the
// window's text.
std::vector<std::string> AstroLinesOfChart(const TChartInput& natal, const CastOptions& options, bool tsv);

} // namespace nemra
