#pragma once

#include <QTreeView>

// The report list of the main and work-time windows: rows of a table model, several
// selected, one current row, header clicks reported to the window, which decides the sort.
// Row numbers are the model's rows, which are also the rows on screen. Every list shows its
// sort marker the same way and keeps its rows' own colours readable on its background.
class ReportList : public QTreeView
{
    Q_OBJECT

public:
    explicit ReportList(QWidget* parent = nullptr);

    int rowCount() const;
    bool isSelected(int row) const;
    void setSelected(int row, bool selected);
    QList<int> selectedRows() const;
    // -1 when there is no current row.
    int currentRow() const;
    void setCurrentRow(int row);
    void selectAllRows();
    void selectNoRows();

    // Shows the sort marker on one column, pointing up for ascending; -1 shows none.
    void showSortMarker(int column, Qt::SortOrder order);

    // The rows on screen, top to bottom.
    QList<int> rowsOnScreen() const;
    // Widens each column from firstColumn on that is too narrow for its header or for its
    // cells in rows, so those show whole; the list scrolls across when the columns no longer
    // fit. Columns are never narrowed.
    void widenToContents(int firstColumn, const QList<int>& rows);
    // Lays out the rows the model changed now, when a layout is due, rather than in the next
    // paint, where the new scroll range would have the list painted a second time.
    void layOutChangedRows() { executeDelayedItemsLayout(); }

    // Font and colours; each one that is not given (an empty name) keeps what the list had.
    void applyFontAndColours(const QString& fontName, std::optional<double> pointSize,
        const std::optional<QColor>& back, const std::optional<QColor>& text);

Q_SIGNALS:
    void mouseMoved();
    void rightButtonReleased(const QPoint& globalPosition);
    void headerClicked(int column);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
