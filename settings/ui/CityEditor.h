// CityEditor: "แก้ไขข้อมูลจังหวัด/เมือง", the city list as a table (name, zone, latitude,
// longitude) with add, edit and delete, and a search that narrows the table as the user
// types. A place is entered in the place controls of the input dialogs, so its zone (in
// hours or as a meridian), latitude and longitude are checked as there. Lines the dialogs
// cannot take are listed marked and kept until deleted. Every change is written at once to
// CityTown.dat in the working folder (TCityForm keeps its form open when the write fails), so
// the input and place dialogs, which read the file each time, see it at once.
//
// Use (main window, MnCorrectCity):
//
//     TCityEditor editor(CurrentDirectory(), cityDataDirs, this);
//     editor.exec();
#pragma once

#include "charts/ui/ChartDialog.h"
#include "settings/model/CityBook.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QTableWidget;

// The form of one city: its name, country, zone, latitude and longitude. OK hands the place
// to `save` and closes only when it was saved; otherwise it tells `showError` why and stays
// open.
class TCityForm : public TChartDialog {
    Q_OBJECT
  public:
    using SaveFn = std::function<nemra::Result<>(const nemra::CityRecord&)>;
    using ShowErrorFn = std::function<void(const QString&)>;

    // `cities` only serves the base dialog's city button, which this form hides.
    TCityForm(const nemra::CityRecord& city, SaveFn save, ShowErrorFn showError, nemra::CityListState& cities,
              QWidget* parent = nullptr);

  protected:
    nemra::ChartOutcome MakeChart() override;
    void ShowError(const QString& text) override { FShowError(text); }

  private:
    SaveFn FSave;
    ShowErrorFn FShowError;
    QLineEdit* CountryEdit = nullptr;
};

class TCityEditor : public QDialog {
    Q_OBJECT
  public:
    TCityEditor(const std::filesystem::path& currentDir, const std::vector<std::filesystem::path>& cityDataDirs,
                QWidget* parent = nullptr);

    void AddClick();
    void EditClick();
    void DeleteClick();
    // Lists the lines whose name holds `typed`.
    void SearchChange(const QString& typed);

    const nemra::CityBook& Book() const { return FBook; }

  protected:
    // Seams a test scripts: the city form run modally, a yes/no question, a message.
    virtual void RunCityForm(TCityForm& form);
    virtual bool Confirm(const QString& text);
    virtual void ShowError(const QString& text);

  private:
    void FillGrid();
    // The book's line shown in the selected row, if any.
    std::optional<std::size_t> SelectedLine() const;
    void EditLine(std::optional<std::size_t> line);

    nemra::CityBook FBook;
    nemra::CityListState FFormCities; // the city forms' unused city list
    std::vector<std::size_t> FRows;   // the book's line shown in each row
    QLineEdit* SearchEdit = nullptr;
    QTableWidget* CityGrid = nullptr;
    QLabel* FileLabel = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* EditBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};
