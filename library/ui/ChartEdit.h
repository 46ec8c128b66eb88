// ChartEdit: the edit and delete window of the chart library (TChartEdit): the list of
// stored charts, and beside it the input dialog's controls with a group and a note for the
// chosen chart. Saving keeps every text the user did not change exactly as it was typed;
// deleting asks first, naming the charts; several charts can be deleted at once; the
// charts can be imported from and exported to CSV files.
//
//     TChartEdit edit(store, session.Cities, DataDirs(), this);
//     edit.exec();
#pragma once

#include "input/model/CityList.h"
#include "library/model/ChartStore.h"

#include <QDialog>

#include <filesystem>
#include <optional>
#include <vector>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class TChartInputPanel;
class TChartListPanel;

class TChartEdit : public QDialog {
    Q_OBJECT
  public:
    TChartEdit(nemra::ChartStore& store, nemra::CityListState& cities, std::vector<std::filesystem::path> cityDataDirs,
               QWidget* parent = nullptr);

    void SaveBtnClick();
    void DeleteBtnClick();
    void ImportBtnClick();
    void ExportBtnClick(bool selectedOnly);

    TChartListPanel* List = nullptr;
    TChartInputPanel* Form = nullptr;
    QComboBox* GroupCombo = nullptr;
    QPlainTextEdit* NoteEdit = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* ImportBtn = nullptr;
    QPushButton* ExportAllBtn = nullptr;
    QPushButton* ExportSelectedBtn = nullptr;
    QPushButton* CloseBtn = nullptr;

  protected:
    // The person's side of the window; tests replace them.
    virtual bool Confirm(const QString& question);
    virtual void ShowError(const QString& text);
    virtual void ShowInfo(const QString& text);
    virtual QString AskOpenFileName();
    virtual QString AskSaveFileName();
    virtual void RunCityDialog();

  private:
    void ShowCurrent();
    void Button1Click();

    nemra::ChartStore& FStore;
    nemra::CityListState& FCities;
    std::vector<std::filesystem::path> FCityDataDirs;
    // The chart shown in the form, and its texts as the form showed them.
    std::optional<nemra::StoredChart> FShown;
    nemra::TChartInput FShownForm;
};
