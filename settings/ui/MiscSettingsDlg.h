// MiscSettingsDlg: "ตัวเลือกอื่นๆ", the other keys of the settings file (dial type,
// reflection axis, node, reflection count), opened with the values in force. OK writes them
// to Nemra06.INI and hands them to the caller to apply at once; a file that cannot be
// written keeps the dialog open with the reason, and nothing is applied.
//
// Use (main window, MnMiscSettings):
//
//     StartSettings inForce = FSettings;
//     inForce.dialType = FSession.FDialType; inForce.axis = FSession.FAxis;
//     inForce.trueNode = FSession.TrueNodeChecked; inForce.maxContracia = FSession.FMaxContracia;
//     TMiscSettingsDlg dialog(inForce, FIniPath, [this](const StartSettings& s) { ApplyMisc(s); }, this);
//     dialog.exec();
#pragma once

#include "mainwin/model/Settings.h"

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

class TMiscSettingsDlg : public QDialog {
    Q_OBJECT
  public:
    using ApplyFn = std::function<void(const nemra::StartSettings&)>;

    TMiscSettingsDlg(const nemra::StartSettings& inForce, std::string iniPath, ApplyFn apply,
                     QWidget* parent = nullptr);

    // The settings the controls hold (the place keys as they were given).
    nemra::StartSettings Settings() const;

    void done(int result) override;

  protected:
    // Shows a problem to the user in a modal box; tests replace it.
    virtual void ShowError(const QString& text);

  private:
    nemra::StartSettings FInForce;
    std::string FIniPath;
    ApplyFn FApply;
    QRadioButton* Dial360 = nullptr;
    QRadioButton* Dial90 = nullptr;
    QRadioButton* AriesAxis = nullptr;
    QRadioButton* CancerAxis = nullptr;
    QCheckBox* TrueNodeBox = nullptr;
    QComboBox* ContraciaList = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};
