// Uselhous: the house-factor dialog (TFSelHous) of the calculation dial "เรือนชะตาปัจจัยต่าง ๆ".
#pragma once

#include "dials/ui/DialControls.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class QRadioButton;

class TFSelHous : public QDialog {
    Q_OBJECT
  public:
    // `natalComputed`, `transitComputed`: which charts exist; a missing chart's button is
    // disabled and the other chart's button selected.
    TFSelHous(bool natalComputed, bool transitComputed, QWidget* parent = nullptr);

    // The selected factor (1..21, Meridian to Poseidon) and chart.
    nemra::HouseChoice Choice() const;

  private:
    QListWidget* ListBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

namespace nemra::ui {

// The house dial: runs TFSelHous; on OK sets the dial index to the chosen factor of the
// chosen chart; Cancel changes nothing. Returns whether the index was set; the caller then
// redraws the dial, refreshes the command state and shows the dial page.
bool ChooseHouseIndex(QWidget* parent, DialSession& s, const RunDialogFn& runDialog);

} // namespace nemra::ui
