#include "mainwin/model/HouseCusps.h"

#include "mainwin/model/Session.h"

namespace nemra {

std::optional<std::array<double, 12>> DialHouseCusps(const MainSession& s)
{
    if (s.FIndexDial != kMeridian || (s.GHouseChart != kLayerNatal && s.GHouseChart != kLayerTransit))
        return std::nullopt;
    const TChartRecord& chart = s.GHouseChart == kLayerNatal ? s.FNatal : s.FTransit;
    if (!chart.Computed)
        return std::nullopt;
    return MeridianHouseCusps(chart.SiderealTime, chart.Obliquity);
}

} // namespace nemra
