// UBriefAspect: the single-factor aspect list (TFBriefAspect). Lists every pair of single
// factors within the chosen orb of a multiple of the chosen base angle, inside one chart
// or between two charts, in five modes, and saves the list to a text file.
//
// Opening it (MnBriefReport, Pop1Report):
//     session.BriefAspectMode = 1;
//     TFBriefAspect dialog(session, session, this);
//     RunDialog(dialog); // or dialog.exec()
// The dialog reads FNatal, FTransit, FArc, FHalfArc and FDoubleArc of the session on
// every rebuild and writes only BriefAspectMode (the tab shown), which stays after it
// closes. It opens on the tab of BriefAspectMode.
#pragma once

#include "core/ChartSet.h"
#include "reports/model/AspectList.h"
#include "reports/model/ReportChoices.h"
#include "reports/ui/ReportDialog.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTableWidget;

class TFBriefAspect : public TReportDialog {
    Q_OBJECT
  public:
    TFBriefAspect(const nemra::ChartSet& charts, nemra::ReportChoices& choices, QWidget* parent = nullptr);

    // The list the grid shows.
    const nemra::AspectList& aspectList() const { return FList; }

    double AspectOrb = 1.0;   // degrees
    double AspectBase = 45.0; // degrees
    int ArcKind = 1;          // 1 normal, 2 half, 3 double arc

    // Event handlers.
    void FormCreate();
    void TabControl1Change(int index);
    void RadioGroup1Click(int itemIndex);
    void ComboBox1Change(int itemIndex);
    void ComboBox2Change();
    void ComboBox3Change();
    void SaveV1NatalBtnClick();

    void RebuildAspectList();
    void SaveAspectList();

  private:
    void CreateControls();
    void ConnectControls();
    void WriteTabCaptions();
    void ShowArcLabel();
    void FillGrid();

    const nemra::ChartSet& FCharts;
    nemra::ReportChoices& FChoices;
    nemra::AspectList FList;

    QTabBar* TabControl1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QButtonGroup* RadioGroup1Items = nullptr;
    QPushButton* SaveV1NatalBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};
