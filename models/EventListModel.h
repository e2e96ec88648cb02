#pragma once

#include "core/EventRecord.h"
#include "core/NameKey.h"
#include "models/CounterRows.h"

#include <QHash>

class EventsFile;

struct EventRow
{
    EventRecord event;
    std::optional<Moment> refreshedAt; // none before the first refresh
    std::optional<QColor> colour;
};

// The events list: one row per event with its name, type and date-time, and seven counters.
// A refresh records the moment of the refresh for the row, and a counter counts from the
// event's moment to that one when it is asked for. So a refresh of every row costs one stored
// moment per row and one dataChanged, and the texts are made only for the rows on screen.
class EventListModel : public CounterRows<EventRow>
{
    Q_OBJECT

public:
    enum Column { Name, Type, DateTime, Years, Months, Weeks, Days, Hours, Minutes, Seconds, ColumnCount };

    using Event = EventRecord;

    explicit EventListModel(QObject* parent = nullptr);

    // Adds a row at the end, or at its sorted place while the list is sorted; returns its row.
    int addEvent(const Event& event);
    // Replaces every row at once (the load); the rows keep their order unless the list is sorted.
    void setEvents(QVector<Event> events);
    // Refills the list from the events file and counts every row to now; false with the
    // reason when the file could not be read or its sample events not written.
    bool loadFrom(const EventsFile& file, const Moment& now, QString* error = nullptr);
    void removeEvent(int row);
    void clear();
    // Brings the list to a new state in one step however many rows change, so that a view
    // keeps selection, current row and scroll position by itself at the cost of one pass: the
    // rows goners (ascending) go, and comers come, counted to now, at their sorted place while
    // the list is sorted, else at the rows given in at (ascending, one per comer) of the list
    // that results.
    void changeRows(
        const QList<int>& goners, const QVector<Event>& comers, const QList<int>& at, const Moment& now);

    const Event& event(int row) const { return m_rows[row].event; }
    // The row whose name matches ignoring case and surrounding blanks, or -1.
    int findName(QStringView name) const;
    bool containsName(QStringView name) const;

    // Refreshing the counters: the row's (or every row's) counters now count to this moment.
    void refreshRow(int row, const Moment& now);
    void refreshAll(const Moment& now);

protected:
    QString recordText(int row, int column) const override;
    std::optional<qint64> countedSeconds(int row) const override;

private:
    static QString textOf(const Event& event, int column);
    void countName(const QString& name, int delta);

    QHash<NameKey, int> m_nameCounts;
};
