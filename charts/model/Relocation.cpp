#include "charts/model/Relocation.h"

namespace nemra {

ChartOutcome Relocate(const TChartInput& chart, const ChartPlace& place)
{
    if (auto fault = CheckChartInput(chart))
        return Refused(fault->message);
    if (auto fault = PlaceFault(place))
        return Refused(*fault);
    TChartInput moved = chart;
    PutPlace(place, moved);
    return ChartAt(std::move(moved), *MomentOf(chart));
}

} // namespace nemra
