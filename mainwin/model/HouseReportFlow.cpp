#include "mainwin/model/HouseReportFlow.h"

#include "dials/model/DialIndexState.h"

#include <algorithm>

namespace nemra {
namespace {

constexpr const char* kHouseDialTitle = "เรือนชะตา";

const TChartRecord& HouseChartOf(const DialSession& s)
{
    return s.GHouseChart == kLayerTransit ? s.FTransit : s.FNatal;
}

} // namespace

void SetHouseReportIndex(DialSession& s, int factor, ChartLayer chart)
{
    const int f = std::clamp(factor, kFirstPositionedFactor, kLastPositionedFactor);
    s.GHouseChart = chart == kLayerTransit ? kLayerTransit : kLayerNatal;
    s.FIndexDial = f;
    s.FDialRotation = HouseChartOf(s).Factors[static_cast<std::size_t>(f)].Lon;
    s.FDialTitle = std::string(kHouseDialTitle) + std::string(FactorNamesThai[static_cast<std::size_t>(f)]);
    s.FDialSubTitle.clear();
}

PlacementReport ShiftIndexToHouses(DialSession& s, int factor)
{
    const int f = std::clamp(factor, kFirstPositionedFactor, kLastPositionedFactor);
    const TChartRecord& chart = HouseChartOf(s);
    s.FDialRotation = ShiftedHouseStart(f, s.FDialRotation);
    const auto cusps =
        f == kMeridian ? MeridianHouseCusps(chart.SiderealTime, chart.Obliquity) : EqualHouseCusps(s.FDialRotation);
    return HouseReportOf(s.FNatal, s.FTransit, s.GHouseChart == kLayerTransit ? kLayerTransit : kLayerNatal, f, cusps);
}

PlacementReport SignReportOf(const ChartSet& s)
{
    return SignReportOf(s.FNatal, s.FTransit);
}

} // namespace nemra
