// Uuserp1: the user-point dialog (TFUserP1) of the calculation dial "จุดกำหนดเอง".
#pragma once

#include "dials/ui/DialControls.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TFUserP1 : public QDialog {
    Q_OBJECT
  public:
    // Opens with the default name and 0°00' of the first sign; nothing is remembered.
    explicit TFUserP1(QWidget* parent = nullptr);

    // The name as typed and the sign, degrees and minutes.
    nemra::UserPointChoice Choice() const;

  private:
    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QSpinBox* SpinEdit2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

namespace nemra::ui {

// The user-point dial: runs TFUserP1; on OK sets the dial index to the typed position
// under the typed name; Cancel clears FIndexAccepted and changes nothing else. Returns
// whether the index was set; the caller then redraws the dial and refreshes the command
// state.
bool ChooseUserIndex(QWidget* parent, DialSession& s, const RunDialogFn& runDialog);

} // namespace nemra::ui
