#pragma once

#include "core/TimeUnit.h"
#include "ui/worktime/engine/WorkRecord.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QLocale>
#include <QVector>
#include <array>
#include <optional>
#include <vector>

class Moment;

// The works list: one row per work with its name, status, began and finished texts and seven
// counters of its net working time. A refresh stores the seconds a row counts (and, for a
// started work, its new used seconds); the counter texts are made when the view asks, from
// those seconds and the unit's decimals. Sorting, copying and display see the same values.
class WorkListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Name,
        Status,
        Began,
        Finished,
        Years,
        Months,
        Weeks,
        Days,
        Hours,
        Minutes,
        Seconds,
        ColumnCount
    };

    explicit WorkListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Header texts, and whatever decoration (the sort icon) the view gives a header.
    bool setHeaderData(
        int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;
    // Counters by their seconds, the other columns by their text ignoring case; stable.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Replaces every row (the load), in the order given: no row is counted yet, so a sorted
    // list is put in order by sort() once its counters are filled.
    void setWorks(QVector<WorkRecord> works);
    // At the end, or at its sorted place once the list has been sorted; returns its row.
    int addWork(const WorkRecord& work);
    // Removes every flagged row, each run of neighbouring rows at once.
    void removeWorks(const std::vector<bool>& rows);
    void clear();
    const WorkRecord& work(int row) const { return m_rows[row].work; }
    // A command's new fields for the row; its counters stay as they are until the next refresh.
    void setWork(int row, const WorkRecord& work);
    // The first row whose name matches ignoring case and surrounding blanks, or -1.
    int findName(QStringView name) const;
    QString cellText(int row, int column) const;

    // Every started work counts to now and keeps the result as its used seconds.
    void refreshStarted(const Moment& now);
    // The row shows its stored used seconds.
    void refreshStored(int row);

    // Decimals as the settings hold them; an unusable value leaves its column empty.
    void setDecimals(const std::array<QString, timeUnitCount>& decimals);
    void setLocale(const QLocale& locale);
    // The row's text colour; no value follows the list's own text colour.
    void setRowColour(int row, std::optional<QColor> colour);

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

private:
    struct Row
    {
        WorkRecord work;
        std::optional<qint64> counted; // the seconds the counters show; none before a refresh
        std::optional<QColor> colour;
    };

    QString textOf(const Row& row, int column) const;
    bool lessThan(const Row& a, const Row& b) const;
    bool ordered(const Row& a, const Row& b) const;
    void emitCounters(int first, int last);

    QVector<Row> m_rows;
    std::array<std::optional<int>, timeUnitCount> m_decimals {};
    QLocale m_locale;
    std::array<QString, ColumnCount> m_headers;
    std::array<QVariant, ColumnCount> m_headerDecorations;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
