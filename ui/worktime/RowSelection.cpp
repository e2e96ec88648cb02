#include "ui/worktime/RowSelection.h"

#include <QItemSelectionModel>

namespace RowSelection {

std::vector<bool> selectedRows(const QItemSelectionModel& selection, int rowCount)
{
    std::vector<bool> rows(size_t(std::max(rowCount, 0)), false);
    // The list selects whole rows, so every range covers its rows from side to side.
    for (const QItemSelectionRange& range : selection.selection()) {
        if (range.parent().isValid())
            continue;
        for (int row = std::max(range.top(), 0); row <= range.bottom() && row < rowCount; ++row)
            rows[size_t(row)] = true;
    }
    return rows;
}

int firstSelectedRow(const QItemSelectionModel& selection, int rowCount)
{
    int first = -1;
    for (const QItemSelectionRange& range : selection.selection()) {
        const int top = std::max(range.top(), 0);
        if (!range.parent().isValid() && top < rowCount && top <= range.bottom()
            && (first < 0 || top < first))
            first = top;
    }
    return first;
}

void selectOnly(
    QItemSelectionModel& selection, const QAbstractItemModel& model, const std::vector<bool>& rows)
{
    QItemSelection wanted;
    const int lastColumn = model.columnCount() - 1;
    const int count = int(std::min(rows.size(), size_t(model.rowCount())));
    for (int row = 0; row < count; ++row) {
        if (!rows[size_t(row)])
            continue;
        const int first = row;
        while (row + 1 < count && rows[size_t(row + 1)])
            ++row;
        wanted.append(QItemSelectionRange(model.index(first, 0), model.index(row, lastColumn)));
    }
    selection.select(wanted, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace RowSelection
