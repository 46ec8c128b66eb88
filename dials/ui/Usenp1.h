// Usenp1: the sensitive-point dialog (TFSenP1) of the calculation dial "จุดอิทธิพล A,B,C".
#pragma once

#include "dials/ui/DialControls.h"

#include <QDialog>

#include <array>
#include <memory>

class QComboBox;
class QPushButton;
class QRadioButton;

class TFSenP1 : public QDialog {
    Q_OBJECT
  public:
    // Opens with the remembered choices of `session`; formula and source clicks are stored
    // there at once. Which charts are computed is read here, when the dialog is created.
    explicit TFSenP1(nemra::DialSession& session, QWidget* parent = nullptr);
    ~TFSenP1() override;

    // The choice shown: the stored formula and source and the three factors.
    nemra::SensitiveChoice Choice() const;

  private:
    void BuildControls();
    void FormCreate();
    void FormulaClick(int kind);

    nemra::DialSession& FSession;
    const bool FNatal;
    const bool FTransit;
    std::array<QRadioButton*, nemra::kSensKindCount> FFormulaButtons{}; // RadioButton1..6
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    std::unique_ptr<nemra::ui::SourceButtons> FSources; // RadioButton7..14
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

namespace nemra::ui {

// The sensitive-point dial: runs TFSenP1; on OK remembers its factors and sets the dial
// index to the sensitive point. Returns whether the index was set; the caller then
// redraws the dial and refreshes the command state.
bool ChooseSensitiveIndex(QWidget* parent, DialSession& s, const RunDialogFn& runDialog);

} // namespace nemra::ui
