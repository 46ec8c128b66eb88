// ChartSave: the save dialog of the chart library (TChartSave): the texts of the current
// natal or transit chart, its name (editable), a group and a note. A name that is stored
// already asks whether to replace that chart or keep both.
//
//     TChartSave save(store, session.FNatal.Input, QStringLiteral("บันทึกลงไฟล์"), this);
//     save.exec(); // on Accepted, SavedId() is the stored chart's id
#pragma once

#include "library/model/ChartStore.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TChartSave : public QDialog {
    Q_OBJECT
  public:
    TChartSave(nemra::ChartStore& store, const nemra::TChartInput& chart, const QString& title,
               QWidget* parent = nullptr);

    std::int64_t SavedId() const { return FSavedId; }
    // Stores the chart as the controls hold it; shows why when it cannot.
    void SaveBtnClick();

    QLabel* ChartTexts = nullptr;
    QLineEdit* NameEdit = nullptr;
    QComboBox* GroupCombo = nullptr;
    QPlainTextEdit* NoteEdit = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  protected:
    // Asks what to do with a name that is stored already: replace, keep both, or nothing
    // (cancel). Tests replace it.
    virtual std::optional<nemra::IfNameExists> AskNameExists(const QString& name);
    // Shows a problem in a modal box; tests replace it.
    virtual void ShowError(const QString& text);

  private:
    nemra::ChartStore& FStore;
    nemra::TChartInput FChart;
    std::int64_t FSavedId = 0;
};
