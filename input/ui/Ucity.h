// Ucity: the city list dialog (TFCity), which shows the lines of CityTown.dat and hands the
// chosen place to its caller.
//
// Use: the caller owns a nemra::CityListState and the chart input record and keeps them for
// the program's lifetime; the dialog changes them and nothing else.
//
//     TFCity city(cities, session.GChartInput,
//                 nemra::DefaultCityDataDirs(QCoreApplication::applicationDirPath().toStdString()), this);
//     city.exec();
//     if (cities.CityChosen) { /* cities.CityChoice holds the place */ }
//
// The list is read again each time the dialog is shown: from CityTown.dat in the current
// directory (name matched without regard to case), else from the first of `cityDataDirs`
// that holds it.
#pragma once

#include "core/ChartInput.h"
#include "input/model/CityList.h"

#include <QDialog>

#include <filesystem>
#include <vector>

class QListWidget;
class QPushButton;

class TFCity : public QDialog {
    Q_OBJECT
  public:
    TFCity(nemra::CityListState& cities, nemra::TChartInput& chartInput,
           std::vector<std::filesystem::path> cityDataDirs, QWidget* parent = nullptr);

    // Empties the list and CityChosen, loads the file and selects its first line.
    void FormActivate();
    // A single click remembers the line; a double click also takes it and closes.
    void ListBox1Click(int row);
    void ListBox1DblClick(int row);
    // Takes the remembered line and closes; with an empty list it closes without a choice.
    void OKBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;
    // Shows a problem to the user in a modal box; tests replace it.
    virtual void ShowError(const QString& text);

  private:
    void TakeSelectedLine();

    nemra::CityListState& FCities;
    nemra::TChartInput& FChartInput;
    std::vector<std::filesystem::path> FCityDataDirs;
    QListWidget* ListBox1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};
