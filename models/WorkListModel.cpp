#include "models/WorkListModel.h"

#include "core/Moment.h"
#include "core/WorkRules.h"

#include <algorithm>
#include <array>

WorkListModel::WorkListModel(QObject* parent)
    : CounterRows(
        { { QStringLiteral("Work"), Qt::AlignLeft }, { QStringLiteral("Status"), Qt::AlignHCenter },
            { QStringLiteral("Began"), Qt::AlignLeft }, { QStringLiteral("Finished"), Qt::AlignRight } },
        parent)
{
}

QString WorkListModel::textOf(const WorkRecord& work, int column)
{
    // The text columns show the record's fields in the order of the file.
    static constexpr std::array<QString WorkRecord::*, Years> fields { &WorkRecord::name, &WorkRecord::status,
        &WorkRecord::began, &WorkRecord::finished };
    return column >= 0 && column < Years ? work.*fields[size_t(column)] : QString();
}

QString WorkListModel::recordText(int row, int column) const
{
    return textOf(m_rows[row].work, column);
}

void WorkListModel::setWorks(QVector<WorkRecord> works)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(works.size());
    for (WorkRecord& work : works)
        m_rows.push_back(WorkRow { std::move(work), std::nullopt, std::nullopt });
    endResetModel();
}

int WorkListModel::addWork(const WorkRecord& work)
{
    const int place = placeForNewRow([&](int column) { return textOf(work, column); });
    beginInsertRows({}, place, place);
    m_rows.insert(place, WorkRow { work, std::nullopt, std::nullopt });
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
    Q_EMIT dataChanged(index(row, Name), index(row, Finished), { Qt::DisplayRole, SortRole });
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
        WorkRow& row = m_rows[i];
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
        countersChanged(first, last);
}

void WorkListModel::refreshStored(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row].counted = WorkRules::storedSeconds(m_rows[row].work);
    countersChanged(row, row);
}
