#include "mainwin/model/PositionsExport.h"

#include "core/FactorCatalogue.h"
#include "mainwin/model/Session.h"

namespace nemra {
namespace {

constexpr std::size_t kArcCaptionBodyChars = 24;
constexpr std::size_t kArcCaptionChars = 29;
constexpr std::size_t kTimeWithSuffixChars = 11;

// The label, then for a computed natal chart its value, then for a computed transit chart
// the V1 column's field and the transit value.
std::string ChartDataLine(const MainSession& s, const std::string& label, const std::string& natal,
                          const std::string& v1Field, const std::string& transit)
{
    std::string line = label;
    if (s.FNatal.Computed)
        line += "," + natal;
    if (s.FTransit.Computed)
        line += "," + v1Field + "," + transit;
    return line;
}

// A grid row: the first cell, then "," and each further cell that is not empty.
std::string GridLine(const std::array<std::string, 4>& row)
{
    std::string line = row[0];
    for (std::size_t c = 1; c < row.size(); ++c) {
        if (!row[c].empty())
            line += "," + row[c];
    }
    return line;
}

std::string TimeWithSuffix(const TChartRecord& rec)
{
    return CutToChars(rec.Input.Time.str() + " น.", kTimeWithSuffixChars);
}

} // namespace

PositionsGrid PositionsGridOf(const MainSession& s)
{
    PositionsGrid grid;
    grid.tabCaption = kGridTabCaptions[s.GridTab == 1 ? 1 : 0];
    grid.rows.push_back({kGridHeadings[0], kGridHeadings[1], kGridHeadings[2], kGridHeadings[3]});
    const bool natal = s.FNatal.Computed;
    const bool transit = s.FTransit.Computed;
    for (int f = kFirstPositionedFactor; f <= kLastPositionedFactor; ++f) {
        grid.rows.push_back({std::string(FactorNamesThai[static_cast<std::size_t>(f)]),
                             natal ? GridCellText(s, 1, f) : std::string(),
                             natal && transit ? GridCellText(s, 2, f) : std::string(),
                             transit ? GridCellText(s, 3, f) : std::string()});
    }
    return grid;
}

std::string ExportArcCaption(const std::string& arcText)
{
    return CutToChars(CutToChars("โค้งสุริยยาตร์ " + arcText, kArcCaptionBodyChars) + " องศา", kArcCaptionChars);
}

std::vector<std::string> PositionsTextLines(const MainSession& s, const PositionsGrid& grid)
{
    const TChartInput& n = s.FNatal.Input;
    const TChartInput& t = s.FTransit.Input;
    std::vector<std::string> lines;
    lines.push_back(grid.tabCaption);
    if (!grid.rows.empty())
        lines.push_back(GridLine(grid.rows[0]));
    lines.push_back(ChartDataLine(s, "นาม", n.Name.str(), ExportArcCaption(s.FArcText[0]), t.Name.str()));
    lines.push_back(ChartDataLine(s, "วันที่", n.Date.str(), " ", t.Date.str()));
    lines.push_back(ChartDataLine(s, "เวลา", TimeWithSuffix(s.FNatal), " ", TimeWithSuffix(s.FTransit)));
    lines.push_back(ChartDataLine(s, "เขตเวลา", n.TimeZone.str(), " ", t.TimeZone.str()));
    lines.push_back(ChartDataLine(s, "แลตติจูด", n.Latitude.str(), " ", t.Latitude.str()));
    lines.push_back(ChartDataLine(s, "ลองกิจูด", n.Longitude.str(), " ", t.Longitude.str()));
    for (std::size_t r = 1; r < grid.rows.size(); ++r)
        lines.push_back(GridLine(grid.rows[r]));
    if (s.FNatal.Computed && s.FTransit.Computed) {
        lines.push_back("โค้งสุริยยาตรปกติ " + s.FArcText[0]);
        lines.push_back("โค้งสุริยยาตรครึ่งเดียว " + s.FArcText[1]);
        lines.push_back("โค้งสุริยยาตร 2 เท่า " + s.FArcText[2]);
    }
    return lines;
}

Result<> ExportPositionsText(const std::string& path, const MainSession& s, const PositionsGrid& grid)
{
    return AppendLinesCp874(path, PositionsTextLines(s, grid));
}

} // namespace nemra
