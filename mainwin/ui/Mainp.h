// Mainp: the main window of the program (TMainForm).
#pragma once

#include "ChartRecord.h"

#include <QMainWindow>

class QPlainTextEdit;

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainForm(QWidget* parent = nullptr);

    const nemra::TChartRecord& natal() const { return FNatal; }

  private:
    void CastOwnerChart();
    void ShowPositions();

    nemra::TChartRecord FNatal;
    QPlainTextEdit* FPositions = nullptr;
};
