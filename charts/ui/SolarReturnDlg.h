// SolarReturnDlg: "ดวงทินวรรษ", the solar return of the natal chart in a chosen Buddhist-era
// year, at the natal place or a chosen one.
//
// Use (main window): the result is cast as the transit chart.
//
//     TSolarReturnDlg dialog(session.FNatal.Input, cities, nemra::SystemNow, cityDataDirs, this);
//     if (dialog.exec() == QDialog::Accepted)
//         CastTransit(session, *dialog.Result());
#pragma once

#include "charts/ui/ChartDialog.h"

#include "core/Clock.h"

class QLabel;
class QRadioButton;
class QSpinBox;

class TSolarReturnDlg : public TChartDialog {
    Q_OBJECT
  public:
    // Opens on the present year of `clock` and the natal place.
    TSolarReturnDlg(const nemra::TChartInput& natal, nemra::CityListState& cities, const nemra::Clock& clock,
                    std::vector<std::filesystem::path> cityDataDirs, QWidget* parent = nullptr);

  protected:
    nemra::ChartOutcome MakeChart() override;

  private:
    void ShowChristianYear();

    nemra::TChartInput FNatal;
    QSpinBox* YearSpin = nullptr;
    QLabel* YearLabel = nullptr;
    QRadioButton* NatalPlaceRadio = nullptr;
    QRadioButton* OtherPlaceRadio = nullptr;
};
