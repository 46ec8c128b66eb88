// A report grid's texts as the user reads them: row 0 is the fixed header, the rows under it
// follow from 1, as the reports' files number them.
#pragma once

#include <QHeaderView>
#include <QTableWidget>

inline QString GridText(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = row == 0 ? grid.horizontalHeaderItem(column) : grid.item(row - 1, column);
    return item ? item->text() : QString();
}

// The rows the user sees, the header included.
inline int GridRows(const QTableWidget& grid)
{
    return grid.rowCount() + 1;
}
