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

void EventListModel::changeRows(
    const QList<int>& goners, const QVector<Event>& comers, const QList<int>& at, const Moment& now)
{
    // Comers join at the end and goers leave from the end: rows in between keep their numbers
    // until the one new order puts everything in its place.
    const int before = rowCount();
    if (!comers.isEmpty()) {
        if (m_rows.capacity() < before + comers.size())
            m_rows.reserve((before + comers.size()) * 5 / 4);
        beginInsertRows({}, before, before + int(comers.size()) - 1);
        for (const Event& event : comers) {
            m_rows.push_back(EventRow { event, now, std::nullopt });
            countName(event.name, +1);
        }
        endInsertRows();
    }
    QVector<int> kept;
    kept.reserve(before);
    for (int row = 0, gone = 0; row < before; ++row) {
        if (gone < goners.size() && goners[gone] == row)
            ++gone;
        else
            kept << row;
    }
    const QVector<int> order = orderAfterChange(kept, before, at);
    for (int place = 0; place < order.size(); ++place) {
        if (order[place] != place) {
            reorder(order);
            break;
        }
    }
    const int leaving = before - int(kept.size());
    if (leaving > 0) {
        const int first = rowCount() - leaving;
        beginRemoveRows({}, first, rowCount() - 1);
        for (int row = first; row < rowCount(); ++row)
            countName(m_rows[row].event.name, -1);
        m_rows.remove(first, leaving);
        endRemoveRows();
    }
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
    const NameKey key(name);
    const auto found = m_nameCounts.find(key);
    if (found == m_nameCounts.end()) {
        if (delta > 0)
            m_nameCounts.insert(key, delta);
    } else if ((*found += delta) <= 0) {
        m_nameCounts.erase(found);
    }
}

bool EventListModel::containsName(QStringView name) const
{
    return m_nameCounts.contains(NameKey(name.toString()));
}

int EventListModel::findName(QStringView name) const
{
    if (!containsName(name))
        return -1;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (NameKey::same(m_rows[i].event.name, name))
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
