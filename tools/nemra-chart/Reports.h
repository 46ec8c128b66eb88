// The reports of the command line: their options, declared once for the command that prints a
// report's lines and for the print command that puts the same report on paper, and the
// reports made from them by the models.
#pragma once

#include "tools/nemra-chart/Cli.h"

#include "mainwin/model/Session.h"
#include "reports/model/AspectList.h"
#include "reports/model/HitSearch.h"
#include "reports/model/Placement.h"
#include "reports/model/SolarArcTable.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace nemra::cli {

struct ReportArgs {
    std::string command; // what the refusals name: "aspects", "print --what aspects"
    ChartArgs charts;
    bool cp874 = false;
    std::optional<int> tab; // the positions file: 0 true positions, 1 reflections
    // The aspect list.
    std::optional<int> mode;
    std::optional<int> arc;
    // The aspect list and the hit points.
    double base = 45.0; // degrees
    double orb = 1.0;   // degrees
    // The placement reports.
    std::optional<int> factor;
    std::optional<int> chart;
    std::optional<int> show;
    // The hit points.
    std::optional<int> target;
    std::array<bool, kHitKindCount> kinds = kDefaultHitKinds;
    bool sortByOrb = false;
    std::optional<std::string> indexMid;
    std::optional<std::string> indexSens;
    std::optional<std::string> indexUser;
    bool indexMc = false;
    bool book = false; // hits: the formula book's entry of each hit as a fifth field
};

void AddCp874Option(CLI::App& app, ReportArgs& args);
void AddTabOption(CLI::App& app, ReportArgs& args);
// --mode and --arc (--mode required when `modeRequired`).
void AddAspectOptions(CLI::App& app, ReportArgs& args, bool modeRequired);
// --base and --orb.
void AddAngleOptions(CLI::App& app, ReportArgs& args);
// --show, and for the houses also --factor (required when `factorRequired`) and --chart.
void AddShowOption(CLI::App& app, ReportArgs& args);
void AddHouseOptions(CLI::App& app, ReportArgs& args, bool factorRequired);
// --target (required when `targetRequired`), --kinds, --sort and the INDEX options.
void AddHitOptions(CLI::App& app, ReportArgs& args, bool targetRequired);

// The session with both charts cast and the grid tab chosen, as the positions file and pages
// show it.
MainSession PositionsSession(const ReportArgs& args, const Context& context);

AspectList AspectsReport(const ReportArgs& args, const Context& context);

struct SolarArcReport {
    SolarArcNatal natal;
    std::vector<SolarArcRow> rows;
};
SolarArcReport SolarArcOf(const ReportArgs& args, const Context& context);

// The placement reports with the charts of --show.
PlacementReport SignsReport(const ReportArgs& args, const Context& context);
PlacementReport HousesReport(const ReportArgs& args, const Context& context);

struct HitsReport {
    ReportSnapshot snapshot;
    ChartLayer target = kLayerNatal;
    HitReport report;
};
HitsReport HitPointsReport(const ReportArgs& args, const Context& context);
// The hit lines of a hit report file with the book's text of each hit's picture added as a
// fifth field (empty when the book has none).
std::vector<std::string> WithBookTexts(std::vector<std::string> lines, const HitsReport& hits,
                                       const LibraryArgs& library, const Context& context);

} // namespace nemra::cli
