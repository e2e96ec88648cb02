#include "models/EventListModel.h"

#include "models/RowSorting.h"
#include "core/SpanSeconds.h"
#include "core/UnitText.h"

#include <algorithm>
#include <cstdlib>

EventListModel::EventListModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_headers({ QStringLiteral("Event"), QStringLiteral("Type"), QStringLiteral("Date & Time") })
{
    for (TimeUnit unit : allTimeUnits)
        m_headers << QString::fromLatin1(unitHeader(unit));
}

int EventListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int EventListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Row& row = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return textOf(row, index.column());
    case Qt::TextAlignmentRole:
        return alignment(index.column());
    case Qt::ForegroundRole:
        return row.colour ? QVariant(*row.colour) : QVariant();
    case SortRole:
        return sortKey(row, index.column());
    default:
        return {};
    }
}

QVariant EventListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return m_headers[section];
    if (role == Qt::TextAlignmentRole)
        return alignment(section);
    return {};
}

bool EventListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount
        || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_headers[section] = value.toString();
    Q_EMIT headerDataChanged(orientation, section, section);
    return true;
}

QVariant EventListModel::alignment(int column)
{
    const Qt::Alignment horizontal = column == Name ? Qt::AlignLeft
        : column == Type                            ? Qt::AlignHCenter
                                                    : Qt::AlignRight;
    return QVariant::fromValue(horizontal | Qt::AlignVCenter);
}

QString EventListModel::cellText(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return textOf(m_rows[row], column);
}

QString EventListModel::textOf(const Row& row, int column) const
{
    switch (column) {
    case Name:
        return row.event.name;
    case Type:
        return row.event.type;
    case DateTime:
        return row.event.moment.toText();
    default:
        break;
    }
    if (column < Years || column >= ColumnCount)
        return {};
    const TimeUnit unit = TimeUnit(column - Years);
    const auto decimals = m_decimals[int(unit)];
    const auto count = seconds(row);
    if (!decimals || !count)
        return {};
    return unitText(unitAmount(*count, unit), *decimals, m_locale);
}

std::optional<std::int64_t> EventListModel::seconds(const Row& row) const
{
    if (!row.refreshedAt)
        return std::nullopt;
    return std::llabs(secondsUntilNow(row.event.moment, *row.refreshedAt));
}

QVariant EventListModel::sortKey(const Row& row, int column) const
{
    if (column >= Years) {
        const auto count = seconds(row);
        return count ? QVariant(qint64(*count)) : QVariant(qint64(-1));
    }
    return textOf(row, column);
}

bool EventListModel::lessThan(const Row& a, const Row& b) const
{
    if (m_sortColumn >= Years)
        return seconds(a).value_or(-1) < seconds(b).value_or(-1);
    if (m_sortColumn == DateTime)
        return a.event.moment < b.event.moment;
    const QString& left = m_sortColumn == Type ? a.event.type : a.event.name;
    const QString& right = m_sortColumn == Type ? b.event.type : b.event.name;
    return left.compare(right, Qt::CaseInsensitive) < 0;
}

void EventListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    m_sortColumn = column;
    m_sortOrder = order;
    const QVector<int> newPlace
        = RowSorting::sort(m_rows, [this](const Row& a, const Row& b) { return ordered(a, b); });
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after << this->index(newPlace[index.row()], index.column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

bool EventListModel::ordered(const Row& a, const Row& b) const
{
    return m_sortOrder == Qt::AscendingOrder ? lessThan(a, b) : lessThan(b, a);
}

int EventListModel::sortedPlace(const Row& row) const
{
    if (m_sortColumn < 0)
        return int(m_rows.size());
    return RowSorting::insertPlace(m_rows, row, [this](const Row& a, const Row& b) { return ordered(a, b); });
}

int EventListModel::addEvent(const Event& event)
{
    Row row { event, std::nullopt, std::nullopt };
    const int place = sortedPlace(row);
    beginInsertRows({}, place, place);
    m_rows.insert(place, std::move(row));
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
        m_rows.push_back(Row { std::move(event), std::nullopt, std::nullopt });
    }
    if (m_sortColumn >= 0)
        RowSorting::sort(m_rows, [this](const Row& a, const Row& b) { return ordered(a, b); });
    endResetModel();
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

QString EventListModel::nameKey(QStringView name)
{
    return name.trimmed().toString().toCaseFolded();
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
    Q_EMIT dataChanged(index(row, Years), index(row, Seconds), { Qt::DisplayRole, SortRole });
}

void EventListModel::refreshAll(const Moment& now)
{
    if (m_rows.isEmpty())
        return;
    for (Row& row : m_rows)
        row.refreshedAt = now;
    emitCountersChanged();
}

void EventListModel::setDecimals(const std::array<QString, timeUnitCount>& decimals)
{
    for (int i = 0; i < timeUnitCount; ++i)
        m_decimals[i] = parseDecimals(decimals[i]);
    emitCountersChanged();
}

void EventListModel::setLocale(const QLocale& locale)
{
    m_locale = locale;
    emitCountersChanged();
}

void EventListModel::setRowColour(int row, std::optional<QColor> colour)
{
    if (row < 0 || row >= m_rows.size() || m_rows[row].colour == colour)
        return;
    m_rows[row].colour = colour;
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1), { Qt::ForegroundRole });
}

void EventListModel::emitCountersChanged()
{
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(
            index(0, Years), index(int(m_rows.size()) - 1, Seconds), { Qt::DisplayRole, SortRole });
}
