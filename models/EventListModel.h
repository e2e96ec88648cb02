#pragma once

#include "core/EventRecord.h"
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

    QHash<QString, int> m_nameCounts;
};
