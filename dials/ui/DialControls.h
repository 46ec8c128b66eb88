// Parts the settings dialogs of the calculation dials share: the factor list of their
// drop-down lists, the OK and Cancel buttons, the fixed-size centred window, the group of
// source buttons with its opening rules, and the run of a dialog that sets the dial index.
#pragma once

#include "dials/model/DialIndex.h"
#include "ui/common/RunDialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace nemra::ui {

// The 22 factors the calculation dials offer, Aries point to Poseidon (position = factor).
QStringList ChoosableFactorNames();

// A drop-down list of the 22 factors named `name`.
QComboBox* MakeFactorList(QWidget* parent, const char* name);

// The dialog's OK button: the default button, so Enter confirms from every control.
QPushButton* MakeOkButton(QDialog& dialog, const char* name);
// The Cancel button: Escape and a click reject; Enter never lands on it.
QPushButton* MakeCancelButton(QDialog& dialog, const char* name);

// Dialog font, window title, fixed size, centred on the screen, focus on `active`.
void FinishDialog(QDialog& dialog, const QString& caption, QWidget* active);

// The "choose from" group of the midpoint and sensitive-point dialogs: one radio button
// per source (objectName RadioButton<n>), all disabled until the opening rules enable
// them. A button that becomes selected stores its source in `stored` at once, so the
// choice survives a cancelled dialog.
class SourceButtons {
  public:
    struct Entry {
        int value;
        const char* caption;
    };
    SourceButtons(QGroupBox* group, int firstButtonNumber, const std::vector<Entry>& entries, int& stored);

    QRadioButton* button(int value) const;

    // The opening rules both dialogs share: the natal button is enabled with a natal
    // chart and selected when it is the only chart; the same for the transit button; the
    // directed sources are enabled when both charts exist.
    void EnableForCharts(bool natal, bool transit, int natalValue, int transitValue, const std::vector<int>& directed);

    // Selects the button of the stored source, even when it is disabled.
    void SelectStored();

  private:
    std::map<int, QRadioButton*> FButtons;
    int& FStored;
};

// Runs a calculation dial's settings dialog. OK hands the dialog to `apply`, which sets
// the index; Cancel clears FIndexAccepted and changes nothing else. Returns whether the
// index was set.
template <class Dialog, class Apply>
bool RunIndexDialog(Dialog& dialog, DialSession& s, const RunDialogFn& runDialog, Apply apply)
{
    if (runDialog(dialog) != QDialog::Accepted) {
        CancelIndexChoice(s);
        return false;
    }
    apply(dialog);
    return true;
}

} // namespace nemra::ui
