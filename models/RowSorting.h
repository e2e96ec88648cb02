#pragma once

#include <QVector>
#include <algorithm>
#include <numeric>

// Sorting the rows a list model keeps in a vector, shared by the events and works lists.
namespace RowSorting {

// Puts the rows in a stable order by less; returns the new place of every old row, for
// moving persistent indexes (the selection, the current row) along with their rows.
template <typename Row, typename Less> QVector<int> sort(QVector<Row>& rows, Less less)
{
    QVector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(rows[a], rows[b]); });
    QVector<Row> sorted;
    sorted.reserve(rows.size());
    QVector<int> newPlace(rows.size());
    for (int i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(rows[order[i]]));
        newPlace[order[i]] = i;
    }
    rows = std::move(sorted);
    return newPlace;
}

// Where a new row goes in rows sorted by less: after every row that orders before or with it,
// as a stable insert would put it.
template <typename Row, typename Less> int insertPlace(const QVector<Row>& rows, const Row& row, Less less)
{
    return int(std::upper_bound(rows.begin(), rows.end(), row, less) - rows.begin());
}

} // namespace RowSorting
