#include "models/EventInput.h"

#include "core/RecordName.h"
#include "models/EventListModel.h"

QString cleanEventName(const QString& typed)
{
    return cleanRecordName(typed);
}

EventProblem checkEventInput(
    const EventInput& input, const Moment& now, const EventListModel& model, int editedRow)
{
    if (input.name.isEmpty())
        return EventProblem::NeedEvent;
    if (input.past && now <= input.moment)
        return EventProblem::FutureTime;
    if (!input.past && now >= input.moment)
        return EventProblem::PastTime;
    const int found = model.findName(input.name);
    if (found >= 0 && found != editedRow)
        return EventProblem::EventExists;
    return EventProblem::None;
}
