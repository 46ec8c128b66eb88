// What the printed pages say, without Qt: the heading block every page kind opens with and
// the tables of the positions page and of the reports, made from the rows and file lines
// the session and the report models already produce.
#pragma once

#include "core/Clock.h"
#include "mainwin/model/PositionsExport.h"
#include "reports/model/AspectList.h"
#include "reports/model/HitSearch.h"
#include "reports/model/Placement.h"
#include "reports/model/SolarArcTable.h"

#include <string>
#include <vector>

namespace nemra {

struct DialSession;

// The block at the top of a document: a title line and the lines under it.
struct PrintHeading {
    std::string title;
    std::vector<std::string> lines;
};

// A table on paper: the header row (empty: none) and the rows, as many cells as the header
// or, without a header, as the widest row.
struct PrintTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// A report as it is printed: its heading and its whole table.
struct ReportPrint {
    PrintHeading heading;
    PrintTable table;
};

// "พิมพ์เมื่อ 08/12/2569 12.00.00 น.": the moment of printing, the year in the Buddhist era.
std::string PrintedAtText(const LocalDateTime& now);

// The heading of the dial and positions pages: for each computed chart its name, date,
// time, zone, place and coordinates; the three arcs when both charts are computed; the dial
// index; the moment of printing.
PrintHeading ChartPrintHeading(const DialSession& s, const std::string& title, const LocalDateTime& now);

// The line a disc page carries under its heading: the diameter the dial's zodiac ring is
// printed at.
std::string DiscSizeText(int diameterCm);

// The position grid as it stands: its headings as the header row, one row per factor.
PrintTable PositionsPrintTable(const PositionsGrid& grid);

// The reports: the heading lines of their saved files (every line before the header row)
// and their tables, under `title`, with the moment of printing last in the heading.
ReportPrint HitReportPrint(const std::string& title, const ReportSnapshot& snap, ChartLayer targetLayer,
                           const HitReport& report, const LocalDateTime& now);
ReportPrint AspectListPrint(const std::string& title, const AspectList& list, const LocalDateTime& now);
ReportPrint SolarArcPrint(const std::string& title, const SolarArcNatal& natal, const std::vector<SolarArcRow>& rows,
                          const LocalDateTime& now);
// The houses and signs reports have no header row: each house or sign line is followed by
// its factor lines, set in.
ReportPrint PlacementPrint(const PlacementReport& report, const PlacementTree& tree, const LocalDateTime& now);

} // namespace nemra
