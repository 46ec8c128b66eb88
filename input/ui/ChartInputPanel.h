// ChartInputPanel: the controls of a chart's seven texts with their design names, shared by
// the input dialog (TNew1) and the chart library's edit window: the name, the calendar with
// its month tabs and Buddhist year, the clock time, the place with the city button, the zone,
// the latitude and the longitude.
//
// The panel shows and reads a ChartInputEntry; its owner lays it out with its own buttons,
// runs the city list when Button1 is clicked and hands the chosen city to ShowCity.
#pragma once

#include "atlas/model/Atlas.h"
#include "input/model/ChartInputEntry.h"
#include "input/model/CityList.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QCalendarWidget;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabBar;

class TChartInputPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TChartInputPanel(QWidget* parent = nullptr);

    void ShowEntry(const nemra::ChartInputEntry& entry);
    // The values the controls hold now.
    nemra::ChartInputEntry Entry() const;
    // Takes a city from the list: its place, zone, latitude and longitude. A line that does
    // not read whole changes none of the controls; the reason comes back (Thai).
    nemra::Result<> ShowCity(const nemra::CityChoice& city);

    // Opens the atlas search; a chosen place fills the place, latitude, longitude and the zone
    // in force at the panel's date and time, and the zone then follows the date and time.
    void AtlasButtonClick();
    // Takes a place of the atlas as the atlas button does after the search.
    void ShowAtlasPlace(const nemra::AtlasPlace& place);
    // Runs the atlas search; tests replace it to choose a place without a person.
    std::function<std::optional<nemra::AtlasPlace>()> RunAtlasDialog;

    void TabSet1Click(int index);
    void BESpinChange(int value);
    void CheckBox1Click(bool checked);
    int BuddhistYear() const { return FBuddhistYear; }

    // The controls, in the order the input dialog tabs through them.
    QLineEdit* Edit1 = nullptr;
    QCalendarWidget* Calendar1 = nullptr;
    QTabBar* TabSet1 = nullptr;
    QSpinBox* BESpin = nullptr;
    QLabel* Label8 = nullptr;
    QSpinBox* HoSpin = nullptr;
    QSpinBox* MinSpin = nullptr;
    QSpinBox* SecSpin = nullptr;
    QSpinBox* SpinEdit5 = nullptr;
    QSpinBox* SpinEdit6 = nullptr;
    QSpinBox* SpinEdit7 = nullptr;
    QSpinBox* SpinEdit8 = nullptr;
    QSpinBox* SpinEdit9 = nullptr;
    QSpinBox* SpinEdit10 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    QRadioButton* RadioButton6 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* AtlasButton = nullptr;
    QLabel* AtlasNote = nullptr; // the atlas zone in force, or why there is none
    QCheckBox* CheckBox1 = nullptr;
    QLineEdit* Edit2 = nullptr;

  signals:
    // Enter was pressed on the calendar, which would otherwise keep the key.
    void EnterOnCalendar();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void LayOutControls();
    void ShowZone(const nemra::ZoneEntry& zone);
    void ShowCalendarMonth(int month);
    void ShowCalendarDate(int yearCE, int month, int day);
    void FollowZone();
    void ZoneChanged();
    void ShowAtlasNote(const QString& text);

    int FBuddhistYear = 2538;
    nemra::AtlasZoneFollow FAtlasZone;
    bool FShowingAtlasZone = false;
};
