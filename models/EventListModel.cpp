#include "models/EventListModel.h"

#include "core/SpanSeconds.h"
#include "stores/EventsFile.h"

#include <cstdlib>

EventListModel::EventListModel(QObject* parent)
    : CounterRows({ { QStringLiteral("Event"), Qt::AlignLeft }, { QStringLiteral("Type"), Qt::AlignHCenter },
                      { QStringLiteral("Date & Time"), Qt::AlignRight } },
        parent)
{
}

QString EventListModel::textOf(const Event& event, int column)
{
    switch (column) {
    case Name:
        return event.name;
    case Type:
        return event.type;
    case DateTime:
        return event.moment.toText();
    default:
        return {};
    }
}

QString EventListModel::recordText(int row, int column) const
{
    return textOf(m_rows[row].event, column);
}

std::optional<qint64> EventListModel::countedSeconds(int row) const
{
    const EventRow& counted = m_rows[row];
    if (!counted.refreshedAt)
        return std::nullopt;
    return std::llabs(secondsUntilNow(counted.event.moment, *counted.refreshedAt));
}

int EventListModel::addEvent(const Event& event)
{
    const int place = placeForNewRow([&](int column) { return textOf(event, column); });
    beginInsertRows({}, place, place);
    m_rows.insert(place, EventRow { event, std::nullopt, std::nullopt });
    countName(event.name, +1);
    endInsertRows();
    return place;
}

void EventListModel::setEvents(QVector<Event> events)
{
    beginResetModel();
    m_rows.clear();
    m_nameCounts.clear();
    m_rows.reserve(events.size());
    for (Event& event : events) {
        countName(event.name, +1);
        m_rows.push_back(EventRow { std::move(event), std::nullopt, std::nullopt });
    }
    sortWithinReset();
    endResetModel();
}

bool EventListModel::loadFrom(const EventsFile& file, const Moment& now, QString* error)
{
    QVector<Event> events;
    const bool ok = file.load(events, now, error);
    setEvents(std::move(events));
    refreshAll(now);
    return ok;
}

void EventListModel::removeEvent(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    countName(m_rows[row].event.name, -1);
    m_rows.removeAt(row);
    endRemoveRows();
}

void EventListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_nameCounts.clear();
    endResetModel();
}

void EventListModel::countName(const QString& name, int delta)
{
    const QString key = nameKey(name);
    const int count = m_nameCounts.value(key) + delta;
    if (count > 0)
        m_nameCounts.insert(key, count);
    else
        m_nameCounts.remove(key);
}

bool EventListModel::containsName(QStringView name) const
{
    return m_nameCounts.contains(nameKey(name));
}

int EventListModel::findName(QStringView name) const
{
    if (!containsName(name))
        return -1;
    const QString key = nameKey(name);
    for (int i = 0; i < m_rows.size(); ++i) {
        if (nameKey(m_rows[i].event.name) == key)
            return i;
    }
    return -1;
}

void EventListModel::refreshRow(int row, const Moment& now)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row].refreshedAt = now;
    countersChanged(row, row);
}

void EventListModel::refreshAll(const Moment& now)
{
    for (EventRow& row : m_rows)
        row.refreshedAt = now;
    allCountersChanged();
}
