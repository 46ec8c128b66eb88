// Urasi: the factors in the signs (TFRasi): twelve sign lines, each followed by the natal
// and/or transit factors in that sign, with a save to a text file.
//
// Opening it (MnSeeRasi):
//     ShowSignReport(session, this, [this](QDialog& d) { return RunDialog(d); });
// or in steps:
//     TFRasi dialog(nemra::SignReportOf(session), this);
//     RunDialog(dialog);
// The dialog works on its copy of the charts and changes nothing outside.
#pragma once

#include "reports/ui/PlacementDialog.h"

#include "ui/common/RunDialog.h"
#include <functional>

namespace nemra {
struct ChartSet;
}

class TFRasi : public TPlacementDialog {
    Q_OBJECT
  public:
    explicit TFRasi(const nemra::PlacementReport& report, QWidget* parent = nullptr);
};

namespace nemra::ui {

void ShowSignReport(QWidget* parent, const ChartSet& charts, const RunDialogFn& run);

} // namespace nemra::ui
