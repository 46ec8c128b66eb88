// An input or place dialog with the city list and the message box scripted by the test.
#pragma once

#include <QStringList>

#include <functional>

template <class Dialog>
class ScriptedCityDialog : public Dialog {
  public:
    using Dialog::Dialog;
    std::function<void()> cityDialog;
    QStringList errors;

  protected:
    void RunCityDialog() override
    {
        if (cityDialog)
            cityDialog();
    }
    void ShowError(const QString& text) override { errors << text; }
};
