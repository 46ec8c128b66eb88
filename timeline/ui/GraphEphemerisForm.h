// GraphEphemerisForm: "กราฟปฏิทินดาว", the graphic ephemeris window: the period, modulus, moving
// factors and fixed lines beside the graph, which is computed anew whenever they change, and the
// picture saved as PNG, SVG or PDF. A click on the graph hands its date to DateChosen, for the
// main window to cast the transit chart of that date.
#pragma once

#include "timeline/ui/EphemerisGraph.h"
#include "timeline/ui/TimelineChoices.h"

#include "reports/ui/ReportDialog.h"

class QLabel;
class QPushButton;

class TGraphEphemerisForm : public TReportDialog {
    Q_OBJECT
  public:
    TGraphEphemerisForm(const nemra::TChartRecord& natal, const nemra::TimelineSettings& initial,
                        QWidget* parent = nullptr);

    TTimelineChoices* Choices() const { return FChoices; }
    TEphemerisGraph* Graph() const { return FGraph; }

    // Computes the graph of the choices, or shows why they cannot be used.
    void Recompute();
    // Asks for a file name and saves the picture at the graph's size in the format of its
    // extension.
    void SavePicture();

  signals:
    void DateChosen(double jdUT);

  private:
    nemra::TChartRecord FNatal;
    TTimelineChoices* FChoices = nullptr;
    TEphemerisGraph* FGraph = nullptr;
    QLabel* MessageLabel = nullptr;
    QPushButton* SavePictureBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};
