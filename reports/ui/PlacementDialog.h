// PlacementDialog: what the two placement reports share (TFHouse, TFRasi): the outline of
// twelve house or sign lines with their factors, the radio group that chooses the natal,
// the transit or both charts, and the save of the outline as indented text.
#pragma once

#include "reports/model/Placement.h"
#include "reports/ui/ReportDialog.h"

#include <functional>
#include <string>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QTextBrowser;
class QTreeWidget;

class TPlacementDialog : public TReportDialog {
    Q_OBJECT
  public:
    const nemra::PlacementReport& report() const { return FReport; }
    // The outline the tree shows.
    const nemra::PlacementTree& outline() const { return FTree; }

    // The formula book's text for a factor 1..21 in a house 1..12 (empty when none): each
    // factor line of the houses outline then carries it as its tooltip, and a pane under the
    // outline shows it for the chosen line.
    using BookLookup = std::function<std::string(int factor, int house)>;
    void SetBookLookup(BookLookup lookup);

    // Event handlers.
    void FormCreate();
    void RadioGroup1Click(int itemIndex);
    void BitBtn2Click();

  protected:
    // `saveTitle` is the save dialog's title, `saveHint` the save button's hint.
    TPlacementDialog(const nemra::PlacementReport& report, const QString& saveTitle, const QString& saveHint,
                     QWidget* parent);

  private:
    void CreateControls(const QString& saveHint);
    void ConnectControls();
    void RebuildOutline();
    void FillOutline();
    void ShowBookText();

    nemra::PlacementReport FReport;
    nemra::PlacementTree FTree;
    QString FSaveTitle;
    BookLookup FBookLookup;

    QTreeWidget* Outline1 = nullptr;
    QTextBrowser* BookPane = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* RadioGroup1Items = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
