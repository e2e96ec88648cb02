#pragma once

#include "core/Moment.h"

#include <QString>

// One event: one line of the events file, one row of the events list.
struct EventRecord
{
    QString name; // as read; names are unique ignoring case and surrounding blanks
    QString type; // "Past" or "Future", decided when the event is loaded or saved
    Moment moment;
};
