#include "ui/common/KeptView.h"

#include "ui/common/ReportList.h"

#include <QItemSelection>
#include <QScrollBar>

KeptView::KeptView(ReportList& list, NameOf nameOf)
    : m_list(list)
    , m_nameOf(std::move(nameOf))
{
    // Range by range, so that thousands of selected rows cost one walk.
    if (const QItemSelectionModel* selection = m_list.selectionModel()) {
        for (const QItemSelectionRange& range : selection->selection()) {
            for (int row = range.top(); row <= range.bottom(); ++row)
                m_selected.insert(key(m_nameOf(row)));
        }
    }
    if (const int current = m_list.currentRow(); current >= 0)
        m_current = key(m_nameOf(current));
    m_vertical = m_list.verticalScrollBar()->value();
    m_horizontal = m_list.horizontalScrollBar()->value();
}

QString KeptView::key(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

void KeptView::restore() const
{
    QItemSelectionModel* selection = m_list.selectionModel();
    const QAbstractItemModel* model = m_list.model();
    if (!selection || !model)
        return;
    QItemSelection rows;
    int runStart = -1;
    int currentRow = -1;
    const int count = model->rowCount();
    const int lastColumn = model->columnCount() - 1;
    for (int row = 0; row <= count; ++row) {
        const QString name = row < count ? key(m_nameOf(row)) : QString();
        const bool selected = row < count && m_selected.contains(name);
        if (currentRow < 0 && !m_current.isEmpty() && name == m_current)
            currentRow = row;
        if (selected && runStart < 0)
            runStart = row;
        if (!selected && runStart >= 0) {
            rows.select(model->index(runStart, 0), model->index(row - 1, lastColumn));
            runStart = -1;
        }
    }
    selection->select(rows, QItemSelectionModel::ClearAndSelect);
    if (currentRow >= 0)
        m_list.setCurrentRow(currentRow);
    m_list.doItemsLayout(); // the scroll range of the new rows, before the position is set
    m_list.verticalScrollBar()->setValue(m_vertical);
    m_list.horizontalScrollBar()->setValue(m_horizontal);
}
