// TimingListForm: "ตารางวันเวลาจุดกระทบ", the timing list window: the same choices as the
// graphic ephemeris with the base angle and orb, a search, the table of hits in time order, and
// the list saved as a text report (Thai code page, appended), CSV (UTF-8) or iCalendar.
#pragma once

#include "timeline/model/TimingList.h"
#include "timeline/ui/TimelineChoices.h"

#include "reports/ui/ReportDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class TTimingListForm : public TReportDialog {
    Q_OBJECT
  public:
    TTimingListForm(const nemra::TChartRecord& natal, const nemra::TimelineSettings& initial,
                    QWidget* parent = nullptr);

    TTimelineChoices* Choices() const { return FChoices; }
    const std::vector<nemra::TimingHit>& Hits() const { return FHits; }

    // Searches the hits of the choices and shows them, or shows why the choices cannot be used.
    void Search();
    void SaveText();
    void SaveCsv();
    void SaveIcs();

  private:
    nemra::TimelineSettings CurrentSettings() const;

    nemra::TChartRecord FNatal;
    nemra::TimelineSettings FSearched; // the settings of the hits shown
    nemra::TimelinePeriod FPeriod;
    std::vector<nemra::TimingHit> FHits;
    TTimelineChoices* FChoices = nullptr;
    QComboBox* BaseCombo = nullptr;
    QComboBox* OrbDegreeCombo = nullptr;
    QComboBox* OrbMinuteCombo = nullptr;
    QPushButton* SearchBtn = nullptr;
    QLabel* CountLabel = nullptr;
    QTableWidget* HitGrid = nullptr;
    QPushButton* SaveTextBtn = nullptr;
    QPushButton* SaveCsvBtn = nullptr;
    QPushButton* SaveIcsBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};
