// RelocateDlg: "เปลี่ยนสถานที่", the same moment of a chart at another place chosen as in the
// place dialog (city list, zone, latitude, longitude).
//
// Use (main window, for the natal or the transit chart):
//
//     TRelocateDlg dialog(session.FNatal.Input, cities, cityDataDirs, this);
//     if (dialog.exec() == QDialog::Accepted)
//         CastNatal(session, *dialog.Result()); // date and clock time rewritten for the zone
#pragma once

#include "charts/ui/ChartDialog.h"

class TRelocateDlg : public TChartDialog {
    Q_OBJECT
  public:
    // Opens on the chart's own place.
    TRelocateDlg(const nemra::TChartInput& chart, nemra::CityListState& cities,
                 std::vector<std::filesystem::path> cityDataDirs, QWidget* parent = nullptr);

  protected:
    nemra::ChartOutcome MakeChart() override;

  private:
    nemra::TChartInput FChart;
};
