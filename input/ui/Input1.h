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
// them (a date that never existed), which it then says; on Cancel it writes nothing, except
// that a city taken from the list has already set Place.
// `cityDataDirs` are the folders searched for CityTown.dat after the current directory.
#pragma once

#include "ChartInput.h"
#include "ChartInputEntry.h"
#include "CityList.h"
#include "Clock.h"

#include <QDialog>

#include <filesystem>
#include <vector>

class QCalendarWidget;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabBar;

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

    int BuddhistYear() const { return FBuddhistYear; }
    // The values the controls hold now.
    nemra::ChartInputEntry Entry() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Shows the city list modally; tests replace it to choose a city without a person.
    virtual void RunCityDialog();
    // Shows a problem to the user in a modal box; tests replace it.
    virtual void ShowError(const QString& text);

  private:
    void CreateControls();
    void LayOutControls();
    void SetTabOrder();
    void ShowEntry(const nemra::ChartInputEntry& entry);
    void ShowZone(const nemra::ZoneEntry& zone);
    void ShowCalendarMonth(int month);
    void ShowCalendarDate(int yearCE, int month, int day);

    nemra::TChartInput& FChartInput;
    nemra::CityListState& FCities;
    nemra::Clock FClock;
    std::vector<std::filesystem::path> FCityDataDirs;
    int FBuddhistYear = 2538;
    bool FActivated = false;

    QLineEdit* Edit1 = nullptr;
    QCalendarWidget* Calendar1 = nullptr;
    QTabBar* TabSet1 = nullptr;
    QSpinBox* BESpin = nullptr;
    QLabel* Label8 = nullptr;
    QSpinBox* HoSpin = nullptr;
    QSpinBox* MinSpin = nullptr;
    QSpinBox* SecSpin = nullptr;
    QLineEdit* Edit2 = nullptr;
    QSpinBox* SpinEdit5 = nullptr;
    QSpinBox* SpinEdit6 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QSpinBox* SpinEdit7 = nullptr;
    QSpinBox* SpinEdit8 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QSpinBox* SpinEdit9 = nullptr;
    QSpinBox* SpinEdit10 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    QRadioButton* RadioButton6 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* Button1 = nullptr;
};
