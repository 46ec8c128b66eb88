#include "reports/model/Placement.h"

#include "core/AngleMath.h"
#include "core/WinDeg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace nemra {
namespace {

constexpr int kNatalChart = 1;
constexpr int kTransitChart = 2;

constexpr std::string_view kSignCaption = "ปัจจัยในราศี";
constexpr std::string_view kHouseCaptionStart = "เรือนชะตา";
constexpr std::string_view kNatalHouses = "กำเนิด";
constexpr std::string_view kTransitHouses = "จร";
constexpr std::string_view kNatalFactor = "เดิม";
constexpr std::string_view kTransitFactor = "จร";
constexpr std::string_view kHouseLineStart = "เรือนที่ ";
constexpr std::string_view kSeparator = " - ";
constexpr std::array<std::string_view, kHouseCount> kSignLines = {
    "ราศีเมษ", "ราศีพฤษภ", "ราศีเมถุน", "ราศีกรกฎ", "ราศีสิงห์", "ราศีกันย์",
    "ราศีตุลย์", "ราศีพิจิก",  "ราศีธนู",   "ราศีมกร",  "ราศีกุมภ์", "ราศีมีน",
};

std::size_t Index(int n)
{
    return static_cast<std::size_t>(n);
}

// "เรือนที่  1" .. "เรือนที่ 12": the number right-aligned in two places.
std::string HouseLineText(int house)
{
    char number[8];
    std::snprintf(number, sizeof number, "%2d", house);
    return std::string(kHouseLineStart) + number;
}

// Longitudes closer than this (degrees) are one point. Cusp 1 of equal houses is the
// start factor shifted away and back, which can leave it a few units of the last place off
// that factor; another factor on that very longitude must not slip to house 12 by it.
constexpr double kSamePoint = 1e-9;

// A longitude's distance past cusp 1, in degrees, 0 <= d < 360.
double DistancePastCusp1(const HouseFrame& houses, double lonDeg)
{
    const double d = Normalize360(lonDeg - houses.HouseCusps[0]);
    return 360.0 - d < kSamePoint ? 0.0 : d;
}

// The value a longitude sorts by: itself for signs, its distance past cusp 1 for houses.
double PlacementValue(const PlacementReport& report, double lonDeg)
{
    return report.Houses ? DistancePastCusp1(*report.Houses, lonDeg) : lonDeg;
}

// Puts the node in front of the first node whose value is not below its own (values
// within kSamePoint count as equal), so equal factors keep the transit chart first. A
// factor exactly on a cusp or a sign's start goes after that line: it stands in that house
// or sign, as its position text says.
void InsertNode(PlacementList& list, PlacementNode node)
{
    const auto at = std::find_if(list.begin(), list.end(), [&node](const PlacementNode& other) {
        const bool equal = std::fabs(other.Value - node.Value) <= kSamePoint;
        if (equal && other.Header && !node.Header)
            return false;
        return other.Value >= node.Value - kSamePoint;
    });
    list.insert(at, std::move(node));
}

// Line n (1..12) of the houses or the signs: its text and the value it sorts by.
PlacementNode HeaderNode(const PlacementReport& report, int n)
{
    if (report.Houses)
        return {HouseLineText(n), DistancePastCusp1(*report.Houses, report.Houses->HouseCusps[Index(n - 1)]), {}, true};
    return {std::string(kSignLines[Index(n - 1)]), 30.0 * (n - 1), {}, true};
}

// The house report leaves out the factor the houses are counted from, in its own chart.
bool IsHouseStart(const PlacementReport& report, int chart, int factor)
{
    return report.Houses && report.Houses->GHouseChart == chart && report.Houses->HouseStartFactor == factor;
}

void InsertFactors(const PlacementReport& report, const PlacementChart& chart, int chartNumber,
                   std::string_view chartWord, PlacementList& list)
{
    for (int j = kFirstPositionedFactor; j <= kLastPositionedFactor; ++j) {
        if (IsHouseStart(report, chartNumber, j))
            continue;
        const double lon = chart.Lon[Index(j)];
        const std::string& mark = chart.Retro[Index(j)];
        std::string text = std::string(FactorNamesThai[Index(j)]) + std::string(chartWord) + std::string(kSeparator)
                           + WinDeg::PositionText(lon) + mark;
        InsertNode(list, {std::move(text), PlacementValue(report, lon), mark, false, j});
    }
}

// The sign 0..11 a factor's longitude falls in; a factor at exactly 30 degrees is in the
// second sign.
std::size_t SignSlotOf(double lonDeg)
{
    return Index(SignNumberOf(lonDeg) - 1);
}

void AddChild(PlacementGroup& group, const PlacementNode& node)
{
    group.Children.push_back(node.Text);
    group.ChildFactors.push_back(node.Factor);
}

void GroupBySign(const PlacementList& list, PlacementTree& tree)
{
    for (const PlacementNode& node : list)
        if (!node.Header)
            AddChild(tree[SignSlotOf(node.Value)], node);
}

void GroupByHouse(const PlacementList& list, PlacementTree& tree)
{
    // The house lines stand in the list in house order, each followed by its factors.
    std::size_t house = 0;
    std::size_t headersPassed = 0;
    for (const PlacementNode& node : list) {
        if (node.Header)
            house = std::min(headersPassed++, tree.size() - 1);
        else
            AddChild(tree[house], node);
    }
}

} // namespace

PlacementChart PlacementChartOf(const TChartRecord& chart)
{
    PlacementChart copy;
    copy.Input = chart.Input;
    for (std::size_t i = 0; i < kFactorCount; ++i)
        copy.Lon[i] = chart.Factors[i].Lon;
    copy.Retro = chart.Retro;
    copy.Computed = chart.Computed;
    return copy;
}

PlacementReport SignReportOf(const TChartRecord& natal, const TChartRecord& transit)
{
    PlacementReport report;
    report.Natal = PlacementChartOf(natal);
    report.Transit = PlacementChartOf(transit);
    report.ShowNatalFactors = natal.Computed;
    report.ShowTransitFactors = transit.Computed;
    return report;
}

PlacementReport HouseReportOf(const TChartRecord& natal, const TChartRecord& transit, ChartLayer chart, int factor,
                              const std::array<double, kHouseCount>& cusps)
{
    PlacementReport report = SignReportOf(natal, transit);
    report.Houses = HouseFrame{cusps, chart, factor};
    return report;
}

double ShiftedHouseStart(int factor, double lonDeg)
{
    switch (factor) {
    case kMeridian:
    case kMoon:
        return Normalize360(lonDeg);
    case kAscendant:
    case kNode:
        return Normalize360(lonDeg - 90.0);
    default:
        return Normalize360(lonDeg + 180.0);
    }
}

std::array<double, kHouseCount> EqualHouseCusps(double shiftedStartDeg)
{
    std::array<double, kHouseCount> cusps{};
    cusps[0] = Normalize360(shiftedStartDeg + 90.0);
    for (std::size_t n = 1; n < cusps.size(); ++n)
        cusps[n] = Normalize360(cusps[0] + 30.0 * static_cast<double>(n));
    return cusps;
}

std::string HouseCaption(int factor, ChartLayer chart)
{
    const int f = std::clamp(factor, kFirstPositionedFactor, kLastPositionedFactor);
    return std::string(kHouseCaptionStart) + std::string(FactorNamesThai[Index(f)])
           + std::string(chart == kTransitChart ? kTransitHouses : kNatalHouses);
}

std::string PlacementCaption(const PlacementReport& report)
{
    return report.Houses ? HouseCaption(report.Houses->HouseStartFactor, report.Houses->GHouseChart)
                         : std::string(kSignCaption);
}

void ShowChartsOfItem(PlacementReport& report, int item)
{
    report.ShowNatalFactors = item == 0 || item == 2;
    report.ShowTransitFactors = item == 1 || item == 2;
}

ChartChoiceOpening ChartChoiceOpeningFor(bool natalComputed, bool transitComputed)
{
    if (natalComputed && transitComputed)
        return {0, true};
    return {natalComputed ? 0 : 1, false};
}

PlacementList BuildPlacementList(const PlacementReport& report)
{
    PlacementList list;
    for (int n = 1; n <= kHouseCount; ++n)
        InsertNode(list, HeaderNode(report, n));
    // A chart never cast has no positions to list, whatever the radio group says.
    if (report.ShowNatalFactors && report.Natal.Computed)
        InsertFactors(report, report.Natal, kNatalChart, kNatalFactor, list);
    if (report.ShowTransitFactors && report.Transit.Computed)
        InsertFactors(report, report.Transit, kTransitChart, kTransitFactor, list);
    return list;
}

std::vector<std::string> TopLevelLines(const PlacementReport& report)
{
    std::vector<std::string> lines;
    for (int n = 1; n <= kHouseCount; ++n) {
        if (report.Houses)
            lines.push_back(HouseLineText(n) + std::string(kSeparator)
                            + WinDeg::PositionText(report.Houses->HouseCusps[Index(n - 1)]));
        else
            lines.emplace_back(kSignLines[Index(n - 1)]);
    }
    return lines;
}

PlacementTree BuildPlacementTree(const PlacementReport& report, const PlacementList& list)
{
    PlacementTree tree;
    for (std::string& line : TopLevelLines(report))
        tree.push_back({std::move(line), {}, {}});
    if (report.Houses)
        GroupByHouse(list, tree);
    else
        GroupBySign(list, tree);
    return tree;
}

PlacementTree BuildPlacementOutline(const PlacementReport& report)
{
    return BuildPlacementTree(report, BuildPlacementList(report));
}

std::vector<std::string> PlacementFileLines(const std::string& caption, const PlacementTree& tree)
{
    std::vector<std::string> lines = {caption};
    for (const PlacementGroup& group : tree) {
        lines.push_back(group.Text);
        for (const std::string& child : group.Children)
            lines.push_back('\t' + child);
    }
    return lines;
}

} // namespace nemra
