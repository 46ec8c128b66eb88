// The main window's dial tools: the turning tool's window (DiscTool) and the midpoint
// finder (MidPointTool), their menu entries and their state.
#include "mainwin/ui/Mainp.h"

#include "dialtools/ui/DialTool.h"
#include "mainwin/model/CommandState.h"

#include <QAction>
#include <QScreen>

// DiscTool runs its command (OpenDialTool) like any other; the finder runs by its check, which
// its menu entries (sharing the action) show.
void TMainForm::BuildDialToolCommands()
{
    QAction* finder = item("MidPointTool");
    finder->setCheckable(true);
    connect(finder, &QAction::toggled, this, &TMainForm::SetMidpointFinder);
}

void TMainForm::UpdateDialToolState()
{
    // The tools turn the dial of a chart: with neither chart cast there is nothing to read.
    const bool enabled = nemra::ComputeCommandState(FSession).MnIndex;
    for (const char* name :
         {"DiscTool", "MidPointTool", "MnShowTool", "MnMidPointTool", "Pop1DiskTool", "Pop1MidpointTool"})
        item(name)->setEnabled(enabled);
    for (const char* name : {"MnMidPointTool", "Pop1MidpointTool"})
        item(name)->setChecked(FSession.FMidFinderOn);
    if (FDialTool)
        FDialTool->Refresh(FFinderPairs);
}

void TMainForm::OpenDialTool()
{
    if (!FDialTool) {
        FDialTool = new TDialTool(FSession, this);
        FDialTool->setWindowTitle(item("DiscTool")->text());
        connect(FDialTool, &TDialTool::refreshNeeded, this, &TMainForm::ApplyDialRefresh);
        // Beside the main window, on its right, where it does not cover the dial.
        FDialTool->adjustSize();
        FDialTool->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    FDialTool->Refresh(FFinderPairs);
    FDialTool->show();
    FDialTool->raise();
    FDialTool->activateWindow();
}

void TMainForm::SetMidpointFinder(bool on)
{
    if (item("MidPointTool")->isChecked() != on)
        item("MidPointTool")->setChecked(on);
    FSession.FMidFinderOn = on;
    // The list stands in the dial tool's window: turning the finder on opens it.
    if (on)
        OpenDialTool();
    DrawChart();
}
