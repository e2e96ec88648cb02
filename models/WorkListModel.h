#pragma once

#include "core/WorkRecord.h"
#include "models/CounterRows.h"

#include <vector>

class Moment;

struct WorkRow
{
    WorkRecord work;
    std::optional<qint64> counted; // the seconds the counters show; none before a refresh
    std::optional<QColor> colour;
};

// The works list: one row per work with its name, status, began and finished texts and seven
// counters of its net working time. A refresh stores the seconds a row counts (and, for a
// started work, its new used seconds).
class WorkListModel : public CounterRows<WorkRow>
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

    // Every started work counts to now and keeps the result as its used seconds.
    void refreshStarted(const Moment& now);
    // The row shows its stored used seconds.
    void refreshStored(int row);

protected:
    QString recordText(int row, int column) const override;
    std::optional<qint64> countedSeconds(int row) const override { return m_rows[row].counted; }

private:
    static QString textOf(const WorkRecord& work, int column);
};
