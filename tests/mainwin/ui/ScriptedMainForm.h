// A main window whose dialogs are answered by the test, and the clocks the tests give it.
#pragma once

#include "mainwin/ui/Mainp.h"
#include "tests/support/UtMoment.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

// 7 December 2026, 9.05.07 at the default zone 105°E.
inline nemra::UtInstant FixedNow()
{
    return nemra::test::UtAt(2026, 12, 7, 2, 5, 7);
}

// A clock the test moves on, set in the time of the zone 105°E (UT + 7 hours).
struct SteppedClock {
    std::shared_ptr<nemra::LocalDateTime> now =
        std::make_shared<nemra::LocalDateTime>(nemra::LocalDateTime{2026, 12, 7, 9, 5, 7});
    nemra::UtInstant operator()() const
    {
        return nemra::test::UtAt(now->year, now->month, now->day, now->hour, now->minute, now->second)
               - std::chrono::hours{7};
    }
};

class ScriptedMainForm : public TMainForm {
  public:
    using TMainForm::TMainForm;
    QStringList shown;        // object names of the dialogs run, in order
    bool confirmClose = true; // the answer to the close question

    nemra::ui::RunDialogFn answerInput; // answers the chart-input dialog
    int indexDialogsToAccept = 1000;    // calculation dials accepted before one is cancelled
    QString saveAs;                     // the file name the save dialogs answer with
    bool placeAccepted = true;          // the answer to the place dialog
    QStringList placesShown;            // the place names the place dialog opened on
    // Answers to other dialogs, by their object name.
    std::map<QString, nemra::ui::RunDialogFn> answers;

    QString AskSaveFileName(const QString&, const QString&, const QString&) override { return saveAs; }

    int RunDialog(QDialog& dialog) override
    {
        shown << dialog.objectName();
        if (const auto answer = answers.find(dialog.objectName()); answer != answers.end())
            return answer->second(dialog);
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
