// What the dialogs of charts made from charts share: a body of their own controls above the
// place box and OK/Cancel; OK makes the chart through the model and closes only when it was
// made, else shows why and stays open. The chart is then in Result().
#pragma once

#include "charts/model/ChartMoment.h"
#include "charts/ui/PlaceBox.h"

#include "input/model/CityList.h"

#include <QDialog>

#include <filesystem>
#include <optional>
#include <vector>

class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;

namespace nemra::ui {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text);
// The Buddhist-era year spin: the years the chart input accepts.
QSpinBox* MakeYearSpin(QWidget* parent, const char* name, int yearBE);

} // namespace nemra::ui

class TChartDialog : public QDialog {
    Q_OBJECT
  public:
    // The chart made when the dialog closed with OK.
    const std::optional<nemra::TChartInput>& Result() const { return FResult; }

  protected:
    // `cityDataDirs` are the folders searched for CityTown.dat after the current directory.
    TChartDialog(const char* objectName, const QString& title, nemra::CityListState& cities,
                 std::vector<std::filesystem::path> cityDataDirs, QWidget* parent);

    // The chart the controls ask for, or why it cannot be made.
    virtual nemra::ChartOutcome MakeChart() = 0;
    // Shows the city list modally; tests replace it to choose a city without a person.
    virtual void RunCityDialog();
    // Shows a problem to the user in a modal box; tests replace it.
    virtual void ShowError(const QString& text);

    void done(int result) override;

    // The grid above the place box where each dialog lays out its own controls.
    QGridLayout* Body() const { return FBody; }
    TPlaceBox* PlaceBox() const { return FPlaceBox; }

  private:
    nemra::CityListState& FCities;
    std::vector<std::filesystem::path> FCityDataDirs;
    nemra::TChartInput FCityInput; // where the city list puts the chosen name; not used further
    std::optional<nemra::TChartInput> FResult;
    QGridLayout* FBody = nullptr;
    TPlaceBox* FPlaceBox = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};
