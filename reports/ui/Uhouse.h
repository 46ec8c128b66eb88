// Uhouse: the factors in the houses (TFHouse): twelve house lines counted from one chosen
// factor, Meridian houses for the Meridian and equal houses for any other factor, each
// followed by the natal and/or transit factors in that house, with a save to a text file.
//
// Opening it (MnSeeHouse), each time the house-factor dialog ends with OK on list position
// p (factor p + 1) and its natal (chart 1) or transit (chart 2) button:
//     nemra::ui::ShowHouseReport(this, session, p + 1, chart,
//                                [this](QDialog& d) { return RunDialog(d); },
//                                [this] { DrawChart(); UpdateCommandState(); });
// then show the house-factor dialog again until it is cancelled. ShowHouseReport turns the
// dial index to the factor, runs `redraw`, shifts the index by the house rule and shows
// the report built from it. In steps, for a flow of its own:
//     nemra::SetHouseReportIndex(session, factor, chart);
//     DrawChart(); UpdateCommandState();
//     TFHouse dialog(nemra::ShiftIndexToHouses(session, factor), this);
//     RunDialog(dialog);
// The dialog works on its copy of the charts and changes nothing outside.
#pragma once

#include "reports/ui/PlacementDialog.h"
#include "ui/common/RunDialog.h"

#include <functional>

namespace nemra {
struct DialSession;
}

class TFHouse : public TPlacementDialog {
    Q_OBJECT
  public:
    explicit TFHouse(const nemra::PlacementReport& report, QWidget* parent = nullptr);
};

namespace nemra::ui {

// Like every report entry point: the parent, the session, what the report is of, the dialog
// hook, then what to do on a change. `book`, when given, gives the formula book's text of a
// factor in a house.
void ShowHouseReport(QWidget* parent, DialSession& session, int factor, ChartLayer chart, const RunDialogFn& run,
                     const std::function<void()>& redraw, const TPlacementDialog::BookLookup& book = {});

} // namespace nemra::ui
