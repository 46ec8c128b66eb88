// SunIngressDlg: "อาทิตย์ยกราศี", the Sun's ingress into a chosen sign in a chosen Buddhist-era
// year, at a chosen place.
//
// Use (main window): the result is cast as the transit chart.
//
//     TSunIngressDlg dialog(session.FTransit.Input, cities, nemra::SystemNow, cityDataDirs, this);
//     if (dialog.exec() == QDialog::Accepted)
//         CastTransit(session, *dialog.Result());
#pragma once

#include "charts/ui/ChartDialog.h"

#include "core/Clock.h"

class QComboBox;
class QLabel;
class QSpinBox;

class TSunIngressDlg : public TChartDialog {
    Q_OBJECT
  public:
    // Opens on the present year of `clock`, Aries, and the place of `placeOf`.
    TSunIngressDlg(const nemra::TChartInput& placeOf, nemra::CityListState& cities, const nemra::Clock& clock,
                   std::vector<std::filesystem::path> cityDataDirs, QWidget* parent = nullptr);

  protected:
    nemra::ChartOutcome MakeChart() override;

  private:
    void ShowChristianYear();
    int Sign() const;

    QSpinBox* YearSpin = nullptr;
    QLabel* YearLabel = nullptr;
    QComboBox* SignCombo = nullptr;
};
