// Ureport: the hit-point report (TFReport), "รายงานการทำมุม". Lists every hit point of one
// chart layer within the chosen orb of a multiple of the chosen base angle from the
// studied point of the dial, and saves the list to a text file.
//
// It works on a ReportSnapshot taken just before it opens (see ShowIndexReport in
// ReportCommands.h) and writes only the target layer, which the session keeps between
// openings. Every change of a control searches again.
#pragma once

#include "reports/model/HitSearch.h"
#include "reports/ui/ReportDialog.h"

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTextBrowser;

class TFReport : public TReportDialog {
    Q_OBJECT
  public:
    // `targetLayer` is the session's TargetLayer: read, set on opening and by the layer
    // buttons.
    TFReport(const nemra::ReportSnapshot& snapshot, nemra::ChartLayer& targetLayer, QWidget* parent = nullptr);

    // The snapshot reported on, the settings in force and the list the grid shows.
    const nemra::ReportSnapshot& snapshot() const { return FSnapshot; }
    const nemra::HitSettings& settings() const { return FSettings; }
    const nemra::HitReport& report() const { return FReport; }

    // Event handlers.
    void FormCreate();
    void CheckBoxClick(int kind, bool checked);
    void RadioButtonClick(int layer);
    void ComboBox1Change(int itemIndex);
    void ComboBox2Change();
    void ComboBox3Change();
    void SortGroupClick();
    void BitBtn2Click();
    void BitBtn3Click();

    void SearchHits();

    // The formula book's text of the picture a row lists (the studied point and the hit),
    // empty when the book has none. With a lookup set, the selected row's text shows in a
    // pane under the grid and every row with a text has it as its tooltip.
    using BookLookup = std::function<std::string(const nemra::HitPoint& studied, const nemra::HitPoint& hit)>;
    void SetBookLookup(BookLookup lookup);

  signals:
    // BitBtn3 "พิมพ์": whoever opened the report prints it (the main window's preview).
    void printRequested();

  private:
    void CreateControls();
    void ConnectControls();
    void FillGrid();
    void ShowBookText();

    const nemra::ReportSnapshot FSnapshot;
    nemra::ChartLayer& FTargetLayer;
    nemra::HitSettings FSettings;
    nemra::HitReport FReport;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    std::array<QRadioButton*, 8> FLayerButtons{};              // RadioButton1..8
    std::array<QCheckBox*, nemra::kHitKindCount> FKindBoxes{}; // CheckBox1..8
    QRadioButton* FSortByOrb = nullptr;                        // SortGroup item 0
    QRadioButton* FSortByFactor = nullptr;                     // SortGroup item 1
    QTableWidget* StringGrid1 = nullptr;
    QTextBrowser* BookPane = nullptr;
    BookLookup FBookLookup;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* CloseBtn = nullptr;
};
