#pragma once

#include "core/TimeUnit.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QLocale>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>
#include <limits>
#include <optional>

// A list of records shown as a few text columns followed by seven counters, "Years" to
// "Seconds": what the events list and the works list share. Counter texts are made when the
// view asks, from the seconds a row counts and the unit's decimals, so what a cell shows,
// what copying it puts on the clipboard and what sorting sees are one value. The rows
// themselves, and how they are counted, belong to the list that extends this one.
class CounterTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The value that orders a column: the text of a text column, the seconds of a counter.
    static constexpr int SortRole = Qt::UserRole + 1;

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Header texts, and whatever decoration a view gives a header.
    bool setHeaderData(
        int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;
    // Counters by their seconds, text columns by their text ignoring case; stable, and the
    // selection and current row move with their rows.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Exactly what the cell shows.
    QString cellText(int row, int column) const;
    // Decimals as the settings hold them; an unusable value leaves its column empty.
    void setDecimals(const std::array<QString, timeUnitCount>& decimals);
    void setLocale(const QLocale& locale);
    // The row's text colour; no value follows the list's own text colour.
    void setRowColour(int row, std::optional<QColor> colour);

    // The counted row from first to last with the most seconds (either side of zero), whose
    // counts are the longest in every unit; -1 when none of them is counted.
    int widestCountRow(int first = 0, int last = std::numeric_limits<int>::max()) const;

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    int firstCounter() const { return int(m_textColumns.size()); }

protected:
    struct TextColumn
    {
        QString header;
        Qt::Alignment alignment;
    };
    // The text columns in order; the seven counters, right-aligned, follow them.
    CounterTableModel(QVector<TextColumn> textColumns, QObject* parent);

    // What the extending list gives: the text of a text column and the seconds the row's
    // counters show (none before the row is counted), the row's colour, and its rows put into
    // a new order, where order[i] is the old row that becomes row i.
    virtual QString recordText(int row, int column) const = 0;
    virtual std::optional<qint64> countedSeconds(int row) const = 0;
    virtual std::optional<QColor> rowColour(int row) const = 0;
    virtual void storeRowColour(int row, std::optional<QColor> colour) = 0;
    virtual void reorderRows(const QVector<int>& order) = 0;

    // Where a new row, not counted yet, goes: at the end, or after its equals while the list
    // is sorted. textOf gives the new row's text of a text column.
    int placeForNewRow(const std::function<QString(int column)>& textOf) const;
    // The order of the list after a change, as oldRowOf for reorder(): the rows kept
    // (ascending) stay in their order; the rows from firstAdded on, just added at the end,
    // join them at their sorted place while the list is sorted (after their equals, as adding
    // them one by one would), else at the rows given in at (ascending, one per added row);
    // the rows neither kept nor added follow at the end.
    QVector<int> orderAfterChange(const QVector<int>& kept, int firstAdded, const QList<int>& at) const;
    // Puts the rows in a new order in one change of the layout: oldRowOf[i] becomes row i, and
    // the selection and current row move with their rows.
    void reorder(const QVector<int>& oldRowOf);
    // Puts the rows in the list's sort order, if it has one, without telling the views: for
    // use between beginResetModel() and endResetModel().
    void sortWithinReset();
    // Tells the views that the counters of rows first to last changed.
    void countersChanged(int first, int last);
    void allCountersChanged();
    // Names match ignoring case and surrounding blanks.
    static QString nameKey(QStringView name);

private:
    struct SortKey
    {
        qint64 seconds = -1;
        QString text;
    };
    SortKey sortKey(int row, int column) const;
    bool ordered(const SortKey& a, const SortKey& b) const;
    // The old row of each new place, by the list's sort column and order; stable.
    QVector<int> sortedOrder() const;

    QVector<TextColumn> m_textColumns;
    QVector<QString> m_headers;
    QVector<QVariant> m_headerDecorations;
    std::array<std::optional<int>, timeUnitCount> m_decimals {};
    QLocale m_locale;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
