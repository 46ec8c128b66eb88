// Input1: the chart input dialog (TNew1): name, Buddhist-era date, clock time, time zone,
// latitude, longitude and place of a chart, written as seven texts into the chart input.
//
// Use (main window, for a new natal or transit chart), with `cities` the CityListState the
// main window keeps for the program's lifetime:
//
//     const auto cityDataDirs =
//         nemra::DefaultCityDataDirs(QCoreApplication::applicationDirPath().toStdString());
//     TNew1 dialog(session.GChartInput, cities, nemra::SystemNow, cityDataDirs, this);
//     if (dialog.exec() == QDialog::Accepted)
//         nemra::CastNatal(session, session.GChartInput); // or CastTransit
//
// The dialog opens on the present instant of `clock`, as the date and time of the zone it
// opens with, 105°E (only the place is taken from the chart input). On OK it writes Name,
// Place, Date, Time, TimeZone, Latitude and Longitude, unless the chart input check refuses
// them (a date that never existed), which it then says; on Cancel it writes nothing.
// `cityDataDirs` are the folders searched for CityTown.dat after the current directory.
#pragma once

#include "core/ChartInput.h"
#include "core/Clock.h"
#include "input/model/ChartInputEntry.h"
#include "input/model/CityList.h"

#include <QDialog>

#include <filesystem>
#include <vector>

class QPushButton;
class TChartInputPanel;

class TNew1 : public QDialog {
    Q_OBJECT
  public:
    TNew1(nemra::TChartInput& chartInput, nemra::CityListState& cities, nemra::Clock clock,
          std::vector<std::filesystem::path> cityDataDirs, QWidget* parent = nullptr);

    // Runs on the first showing: the present moment, zone 105°00' east, Bangkok's position.
    void FormActivate();
    // Writes the seven texts into the chart input (the OK path of closing).
    void FormClose();
    void TabSet1Click(int index);
    void BESpinChange(int value);
    void CheckBox1Click(bool checked);
    void Button1Click();

    int BuddhistYear() const;
    // The values the controls hold now.
    nemra::ChartInputEntry Entry() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    // Shows the city list modally; tests replace it to choose a city without a person.
    virtual void RunCityDialog();
    // Shows a problem to the user in a modal box; tests replace it.
    virtual void ShowError(const QString& text);

  private:
    void SetTabOrder();

    nemra::TChartInput& FChartInput;
    nemra::CityListState& FCities;
    nemra::Clock FClock;
    std::vector<std::filesystem::path> FCityDataDirs;
    bool FActivated = false;

    TChartInputPanel* Panel = nullptr; // Edit1 .. Edit2 with their design names
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};
