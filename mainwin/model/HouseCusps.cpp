#include "HouseCusps.h"

#include "Session.h"
#include "WinDeg.h"
#include "WinPl.h"

namespace nemra {

std::array<double, 12> MeridianHouseCusps(double siderealHours, double obliquityDeg)
{
    std::array<double, 12> cusps{};
    double hours = WinDeg::Reduce24(siderealHours + 6.0);
    for (std::size_t n = 0; n < cusps.size(); ++n) {
        if (n > 0)
            hours = WinDeg::Reduce24(hours + 2.0);
        cusps[n] = WinPl::Meridian(hours, obliquityDeg);
    }
    return cusps;
}

std::optional<std::array<double, 12>> DialHouseCusps(const MainSession& s)
{
    if (s.FIndexDial != kMeridian || (s.GHouseChart != 1 && s.GHouseChart != 2))
        return std::nullopt;
    const TChartRecord& chart = s.GHouseChart == 1 ? s.FNatal : s.FTransit;
    if (!chart.Computed)
        return std::nullopt;
    return MeridianHouseCusps(chart.SiderealTime, chart.Obliquity);
}

} // namespace nemra
