#include "models/CounterTableModel.h"

#include "core/UnitText.h"

#include <algorithm>
#include <numeric>

CounterTableModel::CounterTableModel(QVector<TextColumn> textColumns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_textColumns(std::move(textColumns))
{
    for (const TextColumn& column : std::as_const(m_textColumns))
        m_headers << column.header;
    for (TimeUnit unit : allTimeUnits)
        m_headers << QString::fromLatin1(unitHeader(unit));
    m_headerDecorations.resize(m_headers.size());
}

int CounterTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant CounterTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return headerData(index.column(), Qt::Horizontal, role);
    case Qt::ForegroundRole: {
        const auto colour = rowColour(index.row());
        return colour ? QVariant(*colour) : QVariant();
    }
    case SortRole: {
        const SortKey key = sortKey(index.row(), index.column());
        return index.column() >= firstCounter() ? QVariant(key.seconds) : QVariant(key.text);
    }
    default:
        return {};
    }
}

QVariant CounterTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_headers[section];
    if (role == Qt::DecorationRole)
        return m_headerDecorations[section];
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment horizontal
            = section < firstCounter() ? m_textColumns[section].alignment : Qt::AlignRight;
        return QVariant::fromValue(horizontal | Qt::AlignVCenter);
    }
    return {};
}

bool CounterTableModel::setHeaderData(
    int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size())
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

QString CounterTableModel::cellText(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_headers.size())
        return {};
    if (column < firstCounter())
        return recordText(row, column);
    const TimeUnit unit = TimeUnit(column - firstCounter());
    const auto decimals = m_decimals[int(unit)];
    const auto seconds = countedSeconds(row);
    if (!decimals || !seconds)
        return {};
    return unitText(unitAmount(*seconds, unit), *decimals, m_locale);
}

int CounterTableModel::widestCountRow(int first, int last) const
{
    // More seconds never give fewer digits; a minus sign makes an equal count wider.
    int widest = -1;
    qint64 most = -1;
    bool negative = false;
    for (int row = std::max(0, first); row <= std::min(last, rowCount() - 1); ++row) {
        const auto seconds = countedSeconds(row);
        if (!seconds)
            continue;
        const qint64 size = *seconds < 0 ? -*seconds : *seconds;
        if (size > most || (size == most && *seconds < 0 && !negative)) {
            most = size;
            negative = *seconds < 0;
            widest = row;
        }
    }
    return widest;
}

CounterTableModel::SortKey CounterTableModel::sortKey(int row, int column) const
{
    if (column >= firstCounter())
        return { countedSeconds(row).value_or(-1), {} };
    return { -1, recordText(row, column) };
}

bool CounterTableModel::ordered(const SortKey& a, const SortKey& b) const
{
    const SortKey& left = m_sortOrder == Qt::AscendingOrder ? a : b;
    const SortKey& right = m_sortOrder == Qt::AscendingOrder ? b : a;
    if (m_sortColumn >= firstCounter())
        return left.seconds < right.seconds;
    return left.text.compare(right.text, Qt::CaseInsensitive) < 0;
}

QVector<int> CounterTableModel::sortedOrder() const
{
    // Each row's key is made once, not at every comparison.
    QVector<SortKey> keys;
    keys.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        keys << sortKey(row, m_sortColumn);
    QVector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return ordered(keys[a], keys[b]); });
    return order;
}

void CounterTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_headers.size())
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    reorder(sortedOrder());
}

void CounterTableModel::reorder(const QVector<int>& oldRowOf)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    reorderRows(oldRowOf);
    QVector<int> newPlace(oldRowOf.size());
    for (int place = 0; place < oldRowOf.size(); ++place)
        newPlace[oldRowOf[place]] = place;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after << this->index(newPlace[index.row()], index.column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QVector<int> CounterTableModel::orderAfterChange(
    const QVector<int>& kept, int firstAdded, const QList<int>& at) const
{
    struct Added
    {
        int row;
        int place; // the number of kept rows before it
        SortKey key;
    };
    std::vector<Added> added;
    for (int row = firstAdded; row < rowCount(); ++row) {
        if (m_sortColumn < 0) {
            // Row at[i] of the result has at[i] - i kept rows before it.
            const int i = row - firstAdded;
            const int place = i < at.size() ? at[i] - i : int(kept.size());
            added.push_back({ row, std::clamp(place, 0, int(kept.size())), {} });
            continue;
        }
        SortKey key = sortKey(row, m_sortColumn);
        // After every kept row that orders before or with it.
        const auto place = std::upper_bound(kept.begin(), kept.end(), key,
            [this](const SortKey& key, int keptRow) { return ordered(key, sortKey(keptRow, m_sortColumn)); });
        added.push_back({ row, int(place - kept.begin()), std::move(key) });
    }
    std::stable_sort(added.begin(), added.end(), [this](const Added& a, const Added& b) {
        return a.place < b.place || (a.place == b.place && m_sortColumn >= 0 && ordered(a.key, b.key));
    });
    QVector<int> order;
    order.reserve(rowCount());
    auto next = added.cbegin();
    for (int i = 0; i <= kept.size(); ++i) {
        for (; next != added.cend() && next->place == i; ++next)
            order << next->row;
        if (i < kept.size())
            order << kept[i];
    }
    std::vector<bool> placed(size_t(rowCount()), false);
    for (int row : std::as_const(order))
        placed[size_t(row)] = true;
    for (int row = 0; row < rowCount(); ++row) {
        if (!placed[size_t(row)])
            order << row;
    }
    return order;
}

void CounterTableModel::sortWithinReset()
{
    if (m_sortColumn >= 0)
        reorderRows(sortedOrder());
}

int CounterTableModel::placeForNewRow(const std::function<QString(int column)>& textOf) const
{
    if (m_sortColumn < 0)
        return rowCount();
    const SortKey key = m_sortColumn >= firstCounter() ? SortKey {} : SortKey { -1, textOf(m_sortColumn) };
    // After every row that orders before or with it, as a stable insert would put it.
    int first = 0;
    int count = rowCount();
    while (count > 0) {
        const int step = count / 2;
        if (!ordered(key, sortKey(first + step, m_sortColumn))) {
            first += step + 1;
            count -= step + 1;
        } else {
            count = step;
        }
    }
    return first;
}

void CounterTableModel::setDecimals(const std::array<QString, timeUnitCount>& decimals)
{
    for (int i = 0; i < timeUnitCount; ++i)
        m_decimals[i] = parseDecimals(decimals[i]);
    allCountersChanged();
}

void CounterTableModel::setLocale(const QLocale& locale)
{
    m_locale = locale;
    allCountersChanged();
}

void CounterTableModel::setRowColour(int row, std::optional<QColor> colour)
{
    if (row < 0 || row >= rowCount() || rowColour(row) == colour)
        return;
    storeRowColour(row, colour);
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1), { Qt::ForegroundRole });
}

void CounterTableModel::countersChanged(int first, int last)
{
    Q_EMIT dataChanged(
        index(first, firstCounter()), index(last, columnCount() - 1), { Qt::DisplayRole, SortRole });
}

void CounterTableModel::allCountersChanged()
{
    if (rowCount() > 0)
        countersChanged(0, rowCount() - 1);
}

QString CounterTableModel::nameKey(QStringView name)
{
    return name.trimmed().toString().toCaseFolded();
}
