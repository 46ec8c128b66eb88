#include "printing/model/PrintContent.h"

#include "input/model/ChartInputForms.h"
#include "mainwin/model/CommandState.h"
#include "mainwin/model/Session.h"
#include "reports/model/ReportFile.h"

#include <algorithm>

namespace nemra {
namespace {

constexpr const char* kGap = "   ";

// The two heading lines of a chart: its name, date and time; its place, zone and
// coordinates.
void AddChartLines(std::vector<std::string>& lines, const TChartRecord& chart, int layer)
{
    const auto texts = ChartLabelTexts(chart); // name, date, time, place, zone, latitude, longitude
    lines.push_back(std::string(TargetLayerCaptions[static_cast<std::size_t>(layer)]) + ": " + texts[0] + kGap
                    + texts[1] + kGap + texts[2]);
    lines.push_back(texts[3] + kGap + texts[4] + kGap + texts[5] + kGap + texts[6]);
}

// A report's heading: the lines of its file before the header row, then the moment.
PrintHeading FileHeading(const std::string& title, const std::vector<std::string>& fileLines,
                         const std::vector<std::string>& header, const LocalDateTime& now)
{
    const auto headerLine = std::find(fileLines.begin(), fileLines.end(), JoinFields(header));
    PrintHeading heading{title, {fileLines.begin(), headerLine}};
    heading.lines.push_back(PrintedAtText(now));
    return heading;
}

template <typename Cells> std::vector<std::string> CellsOf(const Cells& cells)
{
    return {cells.begin(), cells.end()};
}

} // namespace

std::string PrintedAtText(const LocalDateTime& now)
{
    return "พิมพ์เมื่อ " + DateText(now.day, now.month, BuddhistYearFor(now.month, now.year)) + " "
           + TimeText(now.hour, now.minute, now.second) + " น.";
}

PrintHeading ChartPrintHeading(const DialSession& s, const std::string& title, const LocalDateTime& now)
{
    PrintHeading heading{title, {}};
    if (s.FNatal.Computed)
        AddChartLines(heading.lines, s.FNatal, kLayerNatal);
    if (s.FTransit.Computed)
        AddChartLines(heading.lines, s.FTransit, kLayerTransit);
    if (s.FNatal.Computed && s.FTransit.Computed)
        heading.lines.push_back("โค้งสุริยยาตร์: โค้งปกติ " + s.FArcText[0] + kGap + "ครึ่งโค้ง " + s.FArcText[1] + kGap
                                + "โค้ง 2 เท่า " + s.FArcText[2]);
    std::string index = kReportIndexCaptionPrefix + s.FDialTitle;
    if (!s.FDialSubTitle.empty())
        index += kGap + s.FDialSubTitle;
    heading.lines.push_back(index);
    heading.lines.push_back(PrintedAtText(now));
    return heading;
}

std::string DiscSizeText(int diameterCm)
{
    return "ขนาดจานหมุน " + std::to_string(diameterCm) + " cm: วงนอกของวงราศีกว้าง " + std::to_string(diameterCm)
           + ".0 cm";
}

PrintTable PositionsPrintTable(const PositionsGrid& grid)
{
    PrintTable table;
    for (std::size_t r = 0; r < grid.rows.size(); ++r) {
        if (r == 0)
            table.header = CellsOf(grid.rows[r]);
        else
            table.rows.push_back(CellsOf(grid.rows[r]));
    }
    return table;
}

ReportPrint HitReportPrint(const std::string& title, const ReportSnapshot& snap, ChartLayer targetLayer,
                           const HitReport& report, const LocalDateTime& now)
{
    const std::vector<HitGridRow> grid = HitGridRows(snap, report);
    ReportPrint print;
    print.table.header = CellsOf(grid.front());
    for (std::size_t r = 1; r < grid.size(); ++r)
        print.table.rows.push_back(CellsOf(grid[r]));
    print.heading = FileHeading(title, HitReportFileLines(snap, targetLayer, report), print.table.header, now);
    return print;
}

ReportPrint AspectListPrint(const std::string& title, const AspectList& list, const LocalDateTime& now)
{
    ReportPrint print;
    print.table.header = CellsOf(AspectHeaderCells(list));
    for (const AspectRow& row : list.rows)
        print.table.rows.push_back({row.first, row.angle, row.second, row.deviation});
    print.heading = FileHeading(title, AspectListFileLines(list), print.table.header, now);
    return print;
}

ReportPrint SolarArcPrint(const std::string& title, const SolarArcNatal& natal, const std::vector<SolarArcRow>& rows,
                          const LocalDateTime& now)
{
    ReportPrint print;
    print.table.header = CellsOf(SolarArcHeaderCells());
    for (const SolarArcRow& row : rows)
        print.table.rows.push_back(CellsOf(row.cells));
    print.heading = FileHeading(title, SolarArcFileLines(natal, rows), print.table.header, now);
    return print;
}

ReportPrint PlacementPrint(const PlacementReport& report, const PlacementTree& tree, const LocalDateTime& now)
{
    ReportPrint print;
    print.heading = {PlacementCaption(report), {PrintedAtText(now)}};
    for (const PlacementGroup& group : tree) {
        print.table.rows.push_back({group.Text, ""});
        for (const std::string& child : group.Children)
            print.table.rows.push_back({"", child});
    }
    return print;
}

} // namespace nemra
