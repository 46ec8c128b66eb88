// AstronomyForm: "ข้อมูลดาราศาสตร์", the astronomical data of the natal and the transit chart
// side by side, with a copy of both as text and a save to a text file in the Thai code page
// (appended, as the reports are).
//
// Use (main window, MnAstronomy):
//
//     TAstronomyForm form(FSession.FNatal, FSession.FTransit, FSession.TrueNodeChecked, this);
//     form.exec();
#pragma once

#include "reports/ui/ReportDialog.h"

#include "core/ChartRecord.h"

#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

class TAstronomyForm : public TReportDialog {
    Q_OBJECT
  public:
    TAstronomyForm(const nemra::TChartRecord& natal, const nemra::TChartRecord& transit, bool trueNode,
                   QWidget* parent = nullptr);

    // The text of both charts, natal first: what is copied and saved.
    const std::vector<std::string>& Lines() const { return FLines; }

    void CopyClick();
    void SaveClick();

  private:
    std::vector<std::string> FLines;
    QPlainTextEdit* NatalText = nullptr;
    QPlainTextEdit* TransitText = nullptr;
    QPushButton* CopyBtn = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};
