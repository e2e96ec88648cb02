#pragma once

#include "core/Moment.h"
#include "core/TimeUnit.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QLocale>
#include <QVector>
#include <array>
#include <optional>

// The events list: one row per event with its name, type and date-time, and seven counters.
// Counters are not stored: a refresh records the moment of the refresh for the row, and a
// counter cell is computed when it is asked for, from that moment, the event's moment and the
// unit's decimals. So a refresh of every row costs one stored moment per row and one
// dataChanged, and the texts are made only for the rows on screen.
class EventListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name, Type, DateTime, Years, Months, Weeks, Days, Hours, Minutes, Seconds, ColumnCount };
    // The value that orders a column: text for the first three, the count of seconds for counters.
    static constexpr int SortRole = Qt::UserRole + 1;

    struct Event
    {
        QString name; // as read; names are unique ignoring case and surrounding blanks
        QString type; // "Past" or "Future"
        Moment moment;
    };

    explicit EventListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Adds a row at the end, or at its sorted place while the list is sorted; returns its row.
    int addEvent(const Event& event);
    // Replaces every row at once (the load); the rows keep their order unless the list is sorted.
    void setEvents(QVector<Event> events);
    void removeEvent(int row);
    void clear();

    const Event& event(int row) const { return m_rows[row].event; }
    // The row whose name matches ignoring case and surrounding blanks, or -1.
    int findName(QStringView name) const;
    bool containsName(QStringView name) const;
    // Exactly what the cell shows (and what copying it puts on the clipboard).
    QString cellText(int row, int column) const;

    // Refreshing the counters: the row's (or every row's) counters now count to this moment.
    void refreshRow(int row, const Moment& now);
    void refreshAll(const Moment& now);

    // Decimals of each unit as the settings hold them; an unusable value leaves its column empty.
    void setDecimals(const std::array<QString, timeUnitCount>& decimals);
    void setLocale(const QLocale& locale);

    // The text colour of one row; no value follows the list's own text colour.
    void setRowColour(int row, std::optional<QColor> colour);

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

private:
    struct Row
    {
        Event event;
        std::optional<Moment> refreshedAt;
        std::optional<QColor> colour;
    };

    static QVariant alignment(int column);
    QString textOf(const Row& row, int column) const;
    std::optional<std::int64_t> seconds(const Row& row) const;
    QVariant sortKey(const Row& row, int column) const;
    bool lessThan(const Row& a, const Row& b) const;
    // lessThan in the list's sort direction.
    bool ordered(const Row& a, const Row& b) const;
    int sortedPlace(const Row& row) const;
    static QString nameKey(QStringView name);
    void countName(const QString& name, int delta);
    void emitCountersChanged();

    QVector<Row> m_rows;
    QHash<QString, int> m_nameCounts;
    std::array<std::optional<int>, timeUnitCount> m_decimals {};
    QLocale m_locale;
    QStringList m_headers;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
