// StepForm: "เพิ่ม/ลดวันเวลา", a tool window that stays open beside the main window and steps a
// chart's time back and forth: a number and a unit (seconds to years), back and forward buttons,
// PageUp/PageDown and -/+ anywhere in the window (held keys repeat), and a field with the chart's
// date and time. Each step that is made is handed to the callback at once; a step the model
// refuses leaves the chart as it was and shows why in the window.
//
// Use (main window, for the natal or the transit chart):
//
//     auto* steps = new TStepForm(session.FNatal.Input,
//                                 [this](const nemra::TChartInput& chart) { CastNatal(session, chart); }, this);
//     steps->show();
#pragma once

#include "charts/model/TimeStep.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TStepForm : public QWidget {
    Q_OBJECT
  public:
    using StepHandler = std::function<void(const nemra::TChartInput&)>;

    TStepForm(const nemra::TChartInput& chart, StepHandler onStep, QWidget* parent = nullptr);

    // The chart the window steps from now; the main window sets it when the chart changes
    // another way.
    const nemra::TChartInput& Chart() const { return FChart; }
    void SetChart(const nemra::TChartInput& chart);

    // One step of the number and unit shown, back or forward.
    void StepBack();
    void StepForward();
    // The step the controls hold, forward.
    nemra::TimeStep Step() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void StepBy(int direction);
    bool HandleKey(int key);
    void ShowChart();

    nemra::TChartInput FChart;
    StepHandler FOnStep;
    QSpinBox* AmountSpin = nullptr;
    QComboBox* UnitCombo = nullptr;
    QPushButton* BackBtn = nullptr;
    QPushButton* ForwardBtn = nullptr;
    QLineEdit* DateTimeEdit = nullptr;
    QLabel* MessageLabel = nullptr;
};
