#include "ui/common/ReportList.h"

#include "ui/common/ReadableTextDelegate.h"
#include "ui/common/SortMarkerStyle.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>

ReportList::ReportList(QWidget* parent)
    : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    // Every row is one line high: the view can then lay out 32,767 rows without measuring them.
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setSortIndicatorShown(false);
    auto* markerStyle = new SortMarkerStyle;
    markerStyle->setParent(header());
    header()->setStyle(markerStyle);
    setItemDelegate(new ReadableTextDelegate(this));
    connect(header(), &QHeaderView::sectionClicked, this, &ReportList::headerClicked);
}

int ReportList::rowCount() const
{
    return model() ? model()->rowCount() : 0;
}

bool ReportList::isSelected(int row) const
{
    return model() && selectionModel()->isRowSelected(row, QModelIndex());
}

void ReportList::setSelected(int row, bool selected)
{
    if (!model() || row < 0 || row >= rowCount())
        return;
    selectionModel()->select(model()->index(row, 0),
        (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) | QItemSelectionModel::Rows);
}

QList<int> ReportList::selectedRows() const
{
    QList<int> rows;
    if (!model())
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ReportList::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ReportList::setCurrentRow(int row)
{
    if (!model() || row < 0 || row >= rowCount())
        return;
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

QList<int> ReportList::rowsOnScreen() const
{
    // Counted from the viewport's height, so a list not laid out yet gives a page, not all rows.
    QList<int> rows;
    const QModelIndex first = indexAt(QPoint(0, 0));
    if (!first.isValid())
        return rows;
    const int perPage = viewport()->height() / std::max(1, rowHeight(first)) + 1;
    for (int row = first.row(); row < std::min(rowCount(), first.row() + perPage); ++row)
        rows << row;
    return rows;
}

void ReportList::widenToContents(int firstColumn, const QList<int>& rows)
{
    if (!model())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int column = std::max(0, firstColumn); column < model()->columnCount(); ++column) {
        int needed = header()->sectionSizeHint(column);
        for (int row : rows) {
            const QModelIndex index = model()->index(row, column);
            if (index.isValid())
                needed = std::max(needed, itemDelegateForIndex(index)->sizeHint(option, index).width());
        }
        if (columnWidth(column) < needed)
            setColumnWidth(column, needed);
    }
}

void ReportList::selectAllRows()
{
    if (model() && rowCount() > 0)
        selectionModel()->select(
            QItemSelection(model()->index(0, 0), model()->index(rowCount() - 1, model()->columnCount() - 1)),
            QItemSelectionModel::Select);
}

void ReportList::selectNoRows()
{
    if (model())
        selectionModel()->clearSelection();
}

void ReportList::showSortMarker(int column, Qt::SortOrder order)
{
    header()->setSortIndicatorShown(column >= 0);
    if (column >= 0)
        header()->setSortIndicator(column, order);
}

void ReportList::applyFontAndColours(const QString& fontName, std::optional<double> pointSize,
    const std::optional<QColor>& back, const std::optional<QColor>& text)
{
    QFont listFont = font();
    // A font that is not installed is asked for all the same: the desktop's stand-in for it
    // is what a start with that name shows, whatever font the list had before.
    const QString name = fontName.trimmed();
    if (!name.isEmpty()) {
        const QStringList families = QFontDatabase::families();
        const auto installed = std::find_if(families.begin(), families.end(),
            [&name](const QString& family) { return family.compare(name, Qt::CaseInsensitive) == 0; });
        listFont.setFamily(installed != families.end() ? *installed : name);
    }
    if (pointSize)
        listFont.setPointSizeF(*pointSize);
    setFont(listFont);

    QPalette colours = palette();
    if (back)
        colours.setColor(QPalette::Base, *back);
    if (text)
        colours.setColor(QPalette::Text, *text);
    setPalette(colours);
    viewport()->update();
}

void ReportList::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved();
    QTreeView::mouseMoveEvent(event);
}

void ReportList::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        Q_EMIT rightButtonReleased(event->globalPosition().toPoint());
}
