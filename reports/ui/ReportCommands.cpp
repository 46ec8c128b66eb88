#include "reports/ui/ReportCommands.h"

#include "dials/ui/Umidp1.h"
#include "dials/ui/Usenp1.h"
#include "dials/ui/Uuserp1.h"
#include "mainwin/model/ReportAdapters.h"
#include "reports/ui/Ureport.h"

namespace nemra::ui {

void ShowIndexReport(QWidget* parent, MainSession& s, const RunDialogFn& runDialog)
{
    const ReportSnapshot snapshot = MakeReportSnapshot(s);
    TFReport report(snapshot, s.TargetLayer, parent);
    runDialog(report);
}

void ReportOnIndex(QWidget* parent, MainSession& s, const RunDialogFn& runDialog)
{
    ShowIndexReport(parent, s, runDialog);
}

void RunReportLoop(QWidget* parent, MainSession& s, const RunDialogFn& runDialog, const IndexChangedFn& indexChanged,
                   const IndexDialFn& dial)
{
    while (dial(parent, s, runDialog)) {
        indexChanged();
        ShowIndexReport(parent, s, runDialog);
    }
}

void ReportMidpointLoop(QWidget* parent, MainSession& s, const RunDialogFn& runDialog,
                        const IndexChangedFn& indexChanged)
{
    RunReportLoop(parent, s, runDialog, indexChanged, ChooseMidpointIndex);
}

void ReportSensitiveLoop(QWidget* parent, MainSession& s, const RunDialogFn& runDialog,
                         const IndexChangedFn& indexChanged)
{
    RunReportLoop(parent, s, runDialog, indexChanged, ChooseSensitiveIndex);
}

void ReportUserPointLoop(QWidget* parent, MainSession& s, const RunDialogFn& runDialog,
                         const IndexChangedFn& indexChanged)
{
    RunReportLoop(parent, s, runDialog, indexChanged, ChooseUserIndex);
}

void ReportDailyMeridian(QWidget* parent, MainSession& s, const RunDialogFn& runDialog,
                         const IndexChangedFn& indexChanged)
{
    SetDailyMeridianIndex(s);
    indexChanged();
    ShowIndexReport(parent, s, runDialog);
}

} // namespace nemra::ui
