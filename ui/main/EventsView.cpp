#include "ui/main/EventsView.h"

void EventsView::dataChanged(
    const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    if (!topLeft.isValid() || !bottomRight.isValid() || topLeft.row() == bottomRight.row() || !model()) {
        ReportList::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    // Every row is one line high and rows are not nested, so the rows on screen are those
    // between the ones at the viewport's top and bottom edges.
    const QModelIndex first = indexAt(QPoint(0, 0));
    QModelIndex last = indexAt(QPoint(0, viewport()->height() - 1));
    if (!first.isValid())
        return; // nothing on screen
    if (!last.isValid())
        last = model()->index(model()->rowCount() - 1, 0);
    const int top = std::max(topLeft.row(), first.row());
    const int bottom = std::min(bottomRight.row(), last.row());
    if (top > bottom)
        return;
    ReportList::dataChanged(
        model()->index(top, topLeft.column()), model()->index(bottom, bottomRight.column()), roles);
}
