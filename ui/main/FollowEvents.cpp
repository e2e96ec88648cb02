#include "ui/main/FollowEvents.h"

#include <QHash>
#include <vector>

namespace {

// Beyond this many changed rows a new load is as quick and simpler to follow.
constexpr qsizetype mostChanges = 512;

} // namespace

bool followEvents(EventListModel& model, const QVector<EventListModel::Event>& events, const Moment& now)
{
    // By the name exactly as read: a row stays only when its line does, and the file's names
    // are already unique ignoring case, so no name needs folding.
    QHash<QString, int> wanted;
    wanted.reserve(events.size());
    for (int i = 0; i < events.size(); ++i)
        wanted.insert(events[i].name, i);

    std::vector<int> goners;
    std::vector<bool> listed(size_t(events.size()), false);
    int lastKept = -1;
    bool fileOrder = true;
    for (int row = 0; row < model.rowCount(); ++row) {
        const EventListModel::Event& event = model.event(row);
        const auto found = wanted.constFind(event.name);
        if (found == wanted.cend() || events[*found].moment != event.moment) {
            goners.push_back(row);
            continue;
        }
        listed[size_t(*found)] = true;
        fileOrder = fileOrder && *found > lastKept;
        lastKept = std::max(lastKept, *found);
    }
    qsizetype comers = 0;
    for (int i = 0; i < events.size(); ++i) {
        if (!listed[size_t(i)]) {
            ++comers;
            // New rows of an unsorted list go to its end, so they must follow every kept one.
            fileOrder = fileOrder && i > lastKept;
        }
    }
    if (qsizetype(goners.size()) + comers > mostChanges || (model.sortColumn() < 0 && !fileOrder))
        return false;

    for (auto row = goners.rbegin(); row != goners.rend(); ++row)
        model.removeEvent(*row);
    for (int i = 0; i < events.size(); ++i) {
        if (!listed[size_t(i)])
            model.refreshRow(model.addEvent(events[i]), now);
    }
    return true;
}
