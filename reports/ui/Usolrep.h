// Usolrep: the solar-arc table for 100 years (TFSolRep): for every age 1..100 the
// birthday of that year and the natal chart's solar arc, half arc and double arc, with a
// save to a text file.
//
// Opening it (MnSolARep): copy what the table needs from the natal chart when the command
// runs, then show the dialog modally:
//     TFSolRep dialog(nemra::SolarArcNatalOf(session.FNatal), this);
//     RunDialog(dialog); // or dialog.exec()
// The table is computed once, in the constructor; the dialog changes nothing outside.
#pragma once

#include "reports/model/SolarArcTable.h"
#include "reports/ui/ReportDialog.h"

class QPushButton;
class QTableWidget;

class TFSolRep : public TReportDialog {
    Q_OBJECT
  public:
    explicit TFSolRep(const nemra::SolarArcNatal& natal, QWidget* parent = nullptr);

    const std::vector<nemra::SolarArcRow>& rows() const { return FRows; }

    // Event handlers.
    void FormCreate();
    void BitBtn2Click();

  private:
    void CreateControls();

    nemra::SolarArcNatal FNatal;
    std::vector<nemra::SolarArcRow> FRows;

    QTableWidget* StringGrid1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
