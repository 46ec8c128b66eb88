// MoonPhaseDlg: "ดวงจันทร์เพ็ญจันทร์ดับ", the new and full moons of a chosen month or year at a
// chosen zone and place, listed with their local dates and times; the one chosen is the result.
//
// Use (main window): the result is cast as the transit chart.
//
//     TMoonPhaseDlg dialog(session.FTransit.Input, cities, nemra::SystemNow, cityDataDirs, this);
//     if (dialog.exec() == QDialog::Accepted)
//         CastTransit(session, *dialog.Result());
#pragma once

#include "charts/model/Lunations.h"
#include "charts/ui/ChartDialog.h"

#include "core/Clock.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

class TMoonPhaseDlg : public TChartDialog {
    Q_OBJECT
  public:
    // Opens on the present month of `clock` and the place of `placeOf`; the list is made when the
    // dialog first shows.
    TMoonPhaseDlg(const nemra::TChartInput& placeOf, nemra::CityListState& cities, const nemra::Clock& clock,
                  std::vector<std::filesystem::path> cityDataDirs, QWidget* parent = nullptr);

    // Lists the lunations the controls ask for; a refusal is shown and empties the list.
    void FindBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;
    // The chosen lunation at the place the controls hold.
    nemra::ChartOutcome MakeChart() override;

  private:
    void ClearList();

    std::vector<nemra::Lunation> FEvents;
    bool FListed = false;
    QSpinBox* YearSpin = nullptr;
    QComboBox* MonthCombo = nullptr;
    QCheckBox* NewMoonBox = nullptr;
    QCheckBox* FullMoonBox = nullptr;
    QPushButton* FindBtn = nullptr;
    QListWidget* EventList = nullptr;
};
