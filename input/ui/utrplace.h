// utrplace: the place dialog (TTrplaceDlg) of the real-time transit: the place name, latitude
// and longitude of the chart input, typed or taken from the city list.
//
// Use (main window, before the transit chart starts following the clock), with `cities` the
// CityListState the main window keeps for the program's lifetime:
//
//     nemra::TChartInput place = nemra::PlaceDialogInput(session); // the place last chosen
//     TTrplaceDlg dialog(place, cities, DataDirs(), this);
//     if (RunDialog(dialog) == QDialog::Accepted) {
//         nemra::TakeChosenPlace(session, place); // into GChartInput, kept for the next time
//         StartTheClock();
//     }
//
// Creating the dialog runs FormCreate, which sets an empty Latitude or Longitude of the chart
// input to Bangkok's at once. On OK the dialog writes Place, Latitude and Longitude and leaves
// the other fields as they are; on Cancel it writes nothing more, except that a city taken
// from the list has already set Place. `cityDataDirs` are the folders searched for
// CityTown.dat after the current directory.
#pragma once

#include "atlas/model/Atlas.h"
#include "core/ChartInput.h"
#include "input/model/CityList.h"
#include "input/model/PlaceEntry.h"

#include <QDialog>

#include <filesystem>
#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TTrplaceDlg : public QDialog {
    Q_OBJECT
  public:
    TTrplaceDlg(nemra::TChartInput& chartInput, nemra::CityListState& cities,
                std::vector<std::filesystem::path> cityDataDirs, QWidget* parent = nullptr);

    // Shows the chart input's place (Bangkok when it has none) and its latitude and longitude,
    // first setting an empty latitude or longitude of the chart input to Bangkok's.
    void FormCreate();
    // Writes Place, Latitude and Longitude into the chart input (the OK path of closing).
    void FormClose();
    // Shows the city list and takes the chosen city's name and position.
    void Button1Click();
    // Shows the atlas search and takes the chosen place's name and position.
    void AtlasButtonClick();

    // The place the controls hold now.
    nemra::PlaceEntry Entry() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    // Shows the city list modally; tests replace it to choose a city without a person.
    virtual void RunCityDialog();
    // Shows the atlas search modally; tests replace it to choose a place without a person.
    virtual std::optional<nemra::AtlasPlace> RunAtlasDialog();
    // Shows a problem to the user in a modal box; tests replace it.
    virtual void ShowError(const QString& text);

  private:
    void CreateControls();
    void LayOutControls();
    void SetTabOrder();
    void ShowPosition(const std::optional<nemra::AngleEntry>& latitude,
                      const std::optional<nemra::AngleEntry>& longitude);
    void Report(const std::optional<std::string>& failure);

    nemra::TChartInput& FChartInput;
    nemra::CityListState& FCities;
    std::vector<std::filesystem::path> FCityDataDirs;
    // A text FormCreate could not read, shown once the dialog is on the screen.
    QString FPendingError;

    QLineEdit* Edit1 = nullptr;
    QSpinBox* SpinEdit7 = nullptr;
    QSpinBox* SpinEdit8 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QSpinBox* SpinEdit9 = nullptr;
    QSpinBox* SpinEdit10 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    QRadioButton* RadioButton6 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* AtlasButton = nullptr;
};
