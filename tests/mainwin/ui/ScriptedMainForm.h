// A main window whose dialogs are answered by the test, and the clocks the tests give it.
#pragma once

#include "Mainp.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <functional>
#include <memory>

inline nemra::LocalDateTime FixedNow()
{
    return {2026, 12, 7, 9, 5, 7};
}

// A clock the test moves on.
struct SteppedClock {
    std::shared_ptr<nemra::LocalDateTime> now = std::make_shared<nemra::LocalDateTime>(FixedNow());
    nemra::LocalDateTime operator()() const { return *now; }
};

class ScriptedMainForm : public TMainForm {
  public:
    using TMainForm::TMainForm;
    QStringList shown;        // object names of the dialogs run, in order
    bool confirmClose = true; // the answer to the close question

    std::function<int(QDialog&)> answerInput; // answers the chart-input dialog
    int indexDialogsToAccept = 1000;          // calculation dials accepted before one is cancelled
    QString saveAs;                           // the file name the save dialogs answer with
    bool placeAccepted = true;                // the answer to the place dialog
    QStringList placesShown;                  // the place names the place dialog opened on

    QString AskSaveFileName(const QString&, const QString&, const QString&) override { return saveAs; }

    int RunDialog(QDialog& dialog) override
    {
        shown << dialog.objectName();
        if (dialog.objectName() == "ConfirmClose")
            dialog.findChild<QPushButton*>(confirmClose ? "ConfirmYes" : "ConfirmNo")->click();
        if (dialog.objectName() == "New1" && answerInput)
            return answerInput(dialog);
        if (dialog.objectName() == "TrplaceDlg") {
            placesShown << dialog.findChild<QLineEdit*>("Edit1")->text();
            placeAccepted ? dialog.accept() : dialog.reject();
            return dialog.result();
        }
        if (dialog.objectName() == "FMidP1" || dialog.objectName() == "FSelHous") {
            if (indexDialogsToAccept-- > 0)
                dialog.accept();
            else
                dialog.reject();
            return dialog.result();
        }
        return QDialog::Accepted;
    }
};
