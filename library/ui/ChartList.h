// ChartList: the list of stored charts the find and edit windows share: a search box that
// narrows the list as the user types, the list (name, date, time, place, group) sortable by
// every column and loaded a page at a time as it scrolls, and a status line naming the
// database file, how many charts it holds and whether it is read-only.
#pragma once

#include "library/model/ChartStore.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QTableView;

class TChartListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    TChartListModel(nemra::ChartStore& store, QObject* parent = nullptr);

    void SetSearchText(const QString& text);
    // Loads the first page again (after a change to the charts).
    void Reload();
    const nemra::StoredChart& Chart(int row) const { return FRows.at(static_cast<std::size_t>(row)); }
    // The row of the chart with this id among those loaded, or -1.
    int RowOf(std::int64_t id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    void sort(int column, Qt::SortOrder order) override;

  signals:
    // The store could not be read; the reason is for the user.
    void Failed(const QString& reason);

  private:
    std::vector<nemra::StoredChart> LoadPage(int offset);

    nemra::ChartStore& FStore;
    nemra::ChartQuery FQuery;
    std::vector<nemra::StoredChart> FRows;
    bool FMore = false;
};

class TChartListPanel : public QWidget {
    Q_OBJECT
  public:
    TChartListPanel(nemra::ChartStore& store, bool multiSelect, QWidget* parent = nullptr);

    // The chart of the current row, or nothing when the list is empty.
    const nemra::StoredChart* Current() const;
    // The charts of the selected rows, in list order.
    std::vector<nemra::StoredChart> Selected() const;
    // Loads the list again and makes the chart with this id (when shown) the current one.
    void Reload(std::int64_t keepId = 0);
    void ShowStatus();

    QLineEdit* SearchEdit = nullptr;
    QTableView* ChartList = nullptr;
    QLabel* StatusLabel = nullptr;
    TChartListModel* Model = nullptr;

  signals:
    // Enter or a double-click on a row.
    void Chosen();
    // The current row moved to another chart, or the list became empty.
    void CurrentChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SelectFirst();

    nemra::ChartStore& FStore;
};
