#include "ui/worktime/engine/WorkListModel.h"

#include "core/Moment.h"
#include "core/RowSorting.h"
#include "core/UnitText.h"
#include "ui/worktime/engine/WorkRules.h"

#include <algorithm>
#include <numeric>

namespace {

QVariant alignment(int column)
{
    Qt::Alignment horizontal = Qt::AlignRight;
    if (column == WorkListModel::Name || column == WorkListModel::Began)
        horizontal = Qt::AlignLeft;
    else if (column == WorkListModel::Status)
        horizontal = Qt::AlignHCenter;
    return QVariant::fromValue(horizontal | Qt::AlignVCenter);
}

QString nameKey(QStringView name)
{
    return name.trimmed().toString().toCaseFolded();
}

} // namespace

WorkListModel::WorkListModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_headers({ QStringLiteral("Work"), QStringLiteral("Status"), QStringLiteral("Began"),
          QStringLiteral("Finished") })
{
    for (TimeUnit unit : allTimeUnits)
        m_headers[Years + int(unit)] = QString::fromLatin1(unitHeader(unit));
}

int WorkListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int WorkListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WorkListModel::data(const QModelIndex& index, int role) const
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
    default:
        return {};
    }
}

QVariant WorkListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return m_headers[section];
    if (role == Qt::DecorationRole)
        return m_headerDecorations[section];
    if (role == Qt::TextAlignmentRole)
        return alignment(section);
    return {};
}

bool WorkListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return false;
    if (role == Qt::EditRole || role == Qt::DisplayRole)
        m_headers[section] = value.toString();
    else if (role == Qt::DecorationRole)
        m_headerDecorations[section] = value;
    else
        return false;
    Q_EMIT headerDataChanged(orientation, section, section);
    return true;
}

QString WorkListModel::cellText(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return textOf(m_rows[row], column);
}

QString WorkListModel::textOf(const Row& row, int column) const
{
    switch (column) {
    case Name:
        return row.work.name;
    case Status:
        return row.work.status;
    case Began:
        return row.work.began;
    case Finished:
        return row.work.finished;
    default:
        break;
    }
    if (column < Years || column >= ColumnCount)
        return {};
    const TimeUnit unit = TimeUnit(column - Years);
    const auto decimals = m_decimals[int(unit)];
    if (!decimals || !row.counted)
        return {};
    return unitText(unitAmount(*row.counted, unit), *decimals, m_locale);
}

bool WorkListModel::lessThan(const Row& a, const Row& b) const
{
    if (m_sortColumn >= Years)
        return a.counted.value_or(-1) < b.counted.value_or(-1);
    return textOf(a, m_sortColumn).compare(textOf(b, m_sortColumn), Qt::CaseInsensitive) < 0;
}

bool WorkListModel::ordered(const Row& a, const Row& b) const
{
    return m_sortOrder == Qt::AscendingOrder ? lessThan(a, b) : lessThan(b, a);
}

void WorkListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_sortColumn = column;
    m_sortOrder = order;
    const QVector<int> newPlace
        = RowSorting::sort(m_rows, [this](const Row& a, const Row& b) { return ordered(a, b); });
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& index : before)
        after << this->index(newPlace[index.row()], index.column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void WorkListModel::setWorks(QVector<WorkRecord> works)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(works.size());
    for (WorkRecord& work : works)
        m_rows.push_back(Row { std::move(work), std::nullopt, std::nullopt });
    endResetModel();
}

int WorkListModel::addWork(const WorkRecord& work)
{
    Row row { work, std::nullopt, std::nullopt };
    int place = int(m_rows.size());
    if (m_sortColumn >= 0)
        place = RowSorting::insertPlace(
            m_rows, row, [this](const Row& a, const Row& b) { return ordered(a, b); });
    beginInsertRows({}, place, place);
    m_rows.insert(place, std::move(row));
    endInsertRows();
    return place;
}

void WorkListModel::removeWorks(const std::vector<bool>& rows)
{
    // From the last row up, so the runs still to go keep their row numbers.
    for (int last = int(std::min(rows.size(), size_t(m_rows.size()))) - 1; last >= 0; --last) {
        if (!rows[size_t(last)])
            continue;
        int first = last;
        while (first > 0 && rows[size_t(first - 1)])
            --first;
        beginRemoveRows({}, first, last);
        m_rows.remove(first, last - first + 1);
        endRemoveRows();
        last = first;
    }
}

void WorkListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void WorkListModel::setWork(int row, const WorkRecord& work)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row].work = work;
    Q_EMIT dataChanged(index(row, Name), index(row, Finished), { Qt::DisplayRole });
}

int WorkListModel::findName(QStringView name) const
{
    const QString key = nameKey(name);
    for (int row = 0; row < m_rows.size(); ++row) {
        if (nameKey(m_rows[row].work.name) == key)
            return row;
    }
    return -1;
}

void WorkListModel::refreshStarted(const Moment& now)
{
    int first = -1;
    int last = -1;
    for (int i = 0; i < m_rows.size(); ++i) {
        Row& row = m_rows[i];
        if (!row.work.isStarted())
            continue;
        // A work whose fields cannot be counted shows empty counters and keeps its used seconds.
        const auto seconds = WorkRules::runningSeconds(row.work, now);
        row.counted = seconds;
        if (seconds)
            row.work.usedSeconds = QString::number(*seconds);
        first = first < 0 ? i : first;
        last = i;
    }
    if (first >= 0)
        emitCounters(first, last);
}

void WorkListModel::refreshStored(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row].counted = WorkRules::storedSeconds(m_rows[row].work);
    emitCounters(row, row);
}

void WorkListModel::setDecimals(const std::array<QString, timeUnitCount>& decimals)
{
    for (int i = 0; i < timeUnitCount; ++i)
        m_decimals[i] = parseDecimals(decimals[i]);
    if (!m_rows.isEmpty())
        emitCounters(0, int(m_rows.size()) - 1);
}

void WorkListModel::setLocale(const QLocale& locale)
{
    m_locale = locale;
    if (!m_rows.isEmpty())
        emitCounters(0, int(m_rows.size()) - 1);
}

void WorkListModel::setRowColour(int row, std::optional<QColor> colour)
{
    if (row < 0 || row >= m_rows.size() || m_rows[row].colour == colour)
        return;
    m_rows[row].colour = colour;
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1), { Qt::ForegroundRole });
}

void WorkListModel::emitCounters(int first, int last)
{
    Q_EMIT dataChanged(index(first, Years), index(last, Seconds), { Qt::DisplayRole });
}
