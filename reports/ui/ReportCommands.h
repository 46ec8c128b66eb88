// The report menu's commands on the dial index: open the hit-point report on the present
// index, or set an index with a calculation dial first and report on it, repeatedly.
//
// The main window calls them from its menu handlers, passing how it runs a modal dialog
// and what it does after the index changed (redraw the dial, refresh the command state,
// bring the dial page to the front):
//     MnReportIndex, Send_Report (Ctrl+R), Pop1Report: ReportOnIndex(this, FSession, run);
//     MnReportMid:  ReportMidpointLoop(this, FSession, run, showIndexChange);
//     MnReportSen:  ReportSensitiveLoop(this, FSession, run, showIndexChange);
//     MnReportUser: ReportUserPointLoop(this, FSession, run, showIndexChange);
//     MnReportMc:   ReportDailyMeridian(this, FSession, run, showIndexChange);
#pragma once

#include "dials/ui/DialControls.h"
#include "mainwin/model/Session.h"
#include "reports/model/ReportSnapshot.h"

#include <functional>

class QWidget;

namespace nemra::ui {

// What the main window does after a command has set the dial index.
using IndexChangedFn = std::function<void()>;

// Copies the index and both charts into a ReportSnapshot and runs the hit-point report
// modally on it. The report keeps its target layer in the session.
void ShowIndexReport(QWidget* parent, MainSession& s, const RunDialogFn& runDialog);

// MnReportIndex, Send_Report and Pop1Report: the report on the index in force.
void ReportOnIndex(QWidget* parent, MainSession& s, const RunDialogFn& runDialog);

// A calculation dial as the report loop runs it: true when its dialog ended with OK and
// the index was set.
using IndexDialFn = std::function<bool(QWidget*, MainSession&, const RunDialogFn&)>;

// The report loop: run the dial; on OK show the new index, then the report on it; again
// until the dial's dialog is cancelled.
void RunReportLoop(QWidget* parent, MainSession& s, const RunDialogFn& runDialog, const IndexChangedFn& indexChanged,
                   const IndexDialFn& dial);

// MnReportMid, MnReportSen, MnReportUser: the loop with the midpoint, sensitive-point and
// user-point dials.
void ReportMidpointLoop(QWidget* parent, MainSession& s, const RunDialogFn& runDialog,
                        const IndexChangedFn& indexChanged);
void ReportSensitiveLoop(QWidget* parent, MainSession& s, const RunDialogFn& runDialog,
                         const IndexChangedFn& indexChanged);
void ReportUserPointLoop(QWidget* parent, MainSession& s, const RunDialogFn& runDialog,
                         const IndexChangedFn& indexChanged);

// MnReportMc: the daily meridian as the index, then one report on it.
void ReportDailyMeridian(QWidget* parent, MainSession& s, const RunDialogFn& runDialog,
                         const IndexChangedFn& indexChanged);

} // namespace nemra::ui
