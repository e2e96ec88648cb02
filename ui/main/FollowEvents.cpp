#include "ui/main/FollowEvents.h"

#include <QHash>
#include <vector>

namespace {

// Beyond this many changed rows a new load is as quick and simpler to follow.
constexpr qsizetype mostChanges = 512;

} // namespace

bool followEvents(EventListModel& model, const QVector<EventListModel::Event>& events, const Moment& now)
{
    const int rows = model.rowCount();
    const int count = int(events.size());
    const auto same = [&](int row, int i) {
        const EventListModel::Event& event = model.event(row);
        return event.name == events[i].name && event.moment == events[i].moment
            && event.type == events[i].type;
    };
    // An unsorted list is in file order, and a change mostly leaves both ends of the file as
    // they were: there rows and events agree side by side, and only the rows between are
    // looked up by their name exactly as read (the file's names are already unique ignoring
    // case, so no name needs folding). A row stays only when its line does.
    int front = 0;
    while (front < rows && front < count && same(front, front))
        ++front;
    int back = 0;
    while (back < rows - front && back < count - front && same(rows - 1 - back, count - 1 - back))
        ++back;
    QHash<QStringView, int> wanted;
    wanted.reserve(count - front - back);
    for (int i = front; i < count - back; ++i)
        wanted.insert(events[i].name, i);

    QList<int> goners;
    std::vector<bool> listed(size_t(count), false);
    std::fill(listed.begin(), listed.begin() + front, true);
    std::fill(listed.end() - back, listed.end(), true);
    int lastKept = front - 1;
    bool fileOrder = true;
    for (int row = front; row < rows - back; ++row) {
        const auto found = wanted.constFind(model.event(row).name);
        if (found == wanted.cend() || listed[size_t(*found)] || !same(row, *found)) {
            goners << row;
            continue;
        }
        listed[size_t(*found)] = true;
        fileOrder = fileOrder && *found > lastKept;
        lastKept = *found;
    }
    QVector<EventListModel::Event> comers;
    QList<int> at;
    for (int i = front; i < count - back; ++i) {
        if (!listed[size_t(i)]) {
            comers << events[i];
            at << i; // an unsorted list ends in the file's order
        }
    }
    if (goners.size() + comers.size() > mostChanges || (model.sortColumn() < 0 && !fileOrder))
        return false;
    if (!goners.isEmpty() || !comers.isEmpty())
        model.changeRows(goners, comers, at, now);
    return true;
}
