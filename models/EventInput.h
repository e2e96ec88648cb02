#pragma once

#include "core/Moment.h"

#include <QString>

class EventListModel;

// A name as the events file can hold it: every control character (tab, line breaks and the
// like) becomes a blank, since a tab or line break would split the file's line, and the
// blanks at both ends are removed.
QString cleanEventName(const QString& typed);

// What the editor refuses, in the order it checks.
enum class EventProblem { None, NeedEvent, FutureTime, PastTime, EventExists };

struct EventInput
{
    QString name; // already cleaned
    bool past = true;
    Moment moment;
};

// editedRow is the row being changed, or -1 for a new event. A changed event may keep its own
// name in any letter case; any other row's name, letter case and surrounding blanks ignored,
// is taken. A moment at the very second of now is neither past nor future.
EventProblem checkEventInput(
    const EventInput& input, const Moment& now, const EventListModel& model, int editedRow);
