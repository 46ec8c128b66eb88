// ChartFind: the find dialog of the chart library (TChartFind): a search box, the list of
// stored charts narrowing as the user types, sortable by every column; Enter or a
// double-click takes the chosen chart. The caller casts the chart input it gives back
// through the usual casting flow, as if its texts had been typed in the input dialog.
//
//     TChartFind find(store, QStringLiteral("หาดวงกำเนิดจากไฟล์"), this);
//     if (find.exec() == QDialog::Accepted)
//         CastNatal(session, *find.ChosenInput());
#pragma once

#include "library/model/ChartStore.h"

#include <QDialog>

#include <optional>

class QPushButton;
class TChartListPanel;

class TChartFind : public QDialog {
    Q_OBJECT
  public:
    TChartFind(nemra::ChartStore& store, const QString& title, QWidget* parent = nullptr);

    // The chart taken on OK, Enter or a double-click.
    const std::optional<nemra::StoredChart>& Chosen() const { return FChosen; }
    std::optional<nemra::TChartInput> ChosenInput() const;

    TChartListPanel* List = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  private:
    void Take();

    std::optional<nemra::StoredChart> FChosen;
};
