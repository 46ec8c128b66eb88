#include "charts/model/Relocation.h"

namespace nemra {

ChartOutcome Relocate(const TChartInput& chart, const ChartPlace& place)
{
    if (const auto check = CheckInputTexts(chart); !check)
        return Fault{check.fault().message};
    if (const auto check = CheckPlace(place); !check)
        return Fault{check.fault().reason};
    TChartInput moved = chart;
    PutPlace(place, moved);
    return ChartAt(std::move(moved), *MomentOf(chart));
}

} // namespace nemra
