#include "charts/ui/RelocateDlg.h"

#include "charts/model/Relocation.h"

TRelocateDlg::TRelocateDlg(const nemra::TChartInput& chart, nemra::CityListState& cities,
                           std::vector<std::filesystem::path> cityDataDirs, QWidget* parent)
    : TChartDialog("RelocateDlg", QStringLiteral("เปลี่ยนสถานที่"), cities, std::move(cityDataDirs), parent)
    , FChart(chart)
{
    PlaceBox()->ShowPlace(nemra::PlaceOf(FChart));
}

nemra::ChartOutcome TRelocateDlg::MakeChart()
{
    return nemra::Relocate(FChart, PlaceBox()->Place());
}
