#include "models/EventInput.h"

#include "models/EventListModel.h"

QString cleanEventName(const QString& typed)
{
    QString name = typed;
    for (QChar& c : name) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            c = u' ';
    }
    return name.trimmed();
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
