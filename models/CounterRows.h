#pragma once

#include "models/CounterTableModel.h"

// A counter table that keeps its rows in a vector: Row is the list's own row type, which
// carries the row's colour. The list extends this and says how a row is counted and shown.
template <typename Row> class CounterRows : public CounterTableModel
{
public:
    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }

protected:
    using CounterTableModel::CounterTableModel;

    std::optional<QColor> rowColour(int row) const override { return m_rows[row].colour; }
    void storeRowColour(int row, std::optional<QColor> colour) override { m_rows[row].colour = colour; }
    void reorderRows(const QVector<int>& order) override
    {
        QVector<Row> sorted;
        // With the room the rows had, so that rows added next do not move them all again.
        sorted.reserve(m_rows.capacity());
        for (int oldPlace : order)
            sorted.push_back(std::move(m_rows[oldPlace]));
        m_rows = std::move(sorted);
    }

    QVector<Row> m_rows;
};
