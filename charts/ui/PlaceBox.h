// The place part of the chart dialogs: the city button and the place's name, zone, latitude and
// longitude, built from the input dialogs' kit and read and written as a ChartPlace.
#pragma once

#include "charts/model/ChartPlace.h"

#include "input/model/CityList.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TPlaceBox : public QWidget {
    Q_OBJECT
  public:
    // `runCityDialog` shows the city list (which leaves its choice in `cities`); `showError`
    // tells the user a city line that cannot be read.
    TPlaceBox(nemra::CityListState& cities, std::function<void()> runCityDialog,
              std::function<void(const QString&)> showError, QWidget* parent = nullptr);

    // Shows a place; a text the controls cannot hold leaves its controls, and those after it,
    // as they were.
    void ShowPlace(const nemra::ChartPlace& place);
    // The place the controls hold, in the chart input's text forms.
    nemra::ChartPlace Place() const;
    // Shows the city list and takes the chosen city's name, zone and position.
    void Button1Click();

  private:
    nemra::CityListState& FCities;
    std::function<void()> FRunCityDialog;
    std::function<void(const QString&)> FShowError;

    QPushButton* Button1 = nullptr;
    QLineEdit* Edit1 = nullptr;
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
};
