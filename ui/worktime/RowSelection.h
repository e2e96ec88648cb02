#pragma once

#include <vector>

class QAbstractItemModel;
class QItemSelectionModel;

// Reading and setting the selection of many rows at once. Asking the selection model row by
// row costs a walk over all its ranges for each row, which grows with the square of the rows
// for a scattered selection of thousands of works; these walk the ranges once.
namespace RowSelection {

// One flag per row of the model, true for a selected row.
std::vector<bool> selectedRows(const QItemSelectionModel& selection, int rowCount);
// The first selected row in list order, or -1.
int firstSelectedRow(const QItemSelectionModel& selection, int rowCount);
// Selects exactly the flagged rows, each run of neighbouring rows as one range.
void selectOnly(
    QItemSelectionModel& selection, const QAbstractItemModel& model, const std::vector<bool>& rows);

} // namespace RowSelection
