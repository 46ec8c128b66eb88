// Umidp1: the factor/midpoint dialog (TFMidP1) of the calculation dial "ปัจจัย/ศูนย์รังสี".
#pragma once

#include "dials/ui/DialControls.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

class TFMidP1 : public QDialog {
    Q_OBJECT
  public:
    // Opens with the remembered choices of `session`; a source click is stored there at
    // once. Which charts are computed is read here, when the dialog is created.
    explicit TFMidP1(nemra::DialSession& session, QWidget* parent = nullptr);
    ~TFMidP1() override;

    // The choice shown: the stored source, the two factors, single or midpoint, reflection.
    nemra::MidpointChoice Choice() const;

  private:
    void BuildControls();
    void FormCreate();
    void RadioButton1Click();
    void RadioButton2Click();

    nemra::DialSession& FSession;
    const bool FNatal;
    const bool FTransit;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    std::unique_ptr<nemra::ui::SourceButtons> FSources;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};

namespace nemra::ui {

// The midpoint dial: runs TFMidP1; on OK remembers its choices and sets the dial index to
// the chosen factor or midpoint. Returns whether the index was set; the caller then
// redraws the dial and refreshes the command state.
bool ChooseMidpointIndex(QWidget* parent, DialSession& s, const RunDialogFn& runDialog);

} // namespace nemra::ui
