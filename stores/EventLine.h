#pragma once

#include "core/Moment.h"

#include <QString>
#include <optional>

// One line of the events file: the name, a tab and the date-time text.
struct EventLine
{
    QString name; // as read, blanks kept
    Moment moment;

    // No value for a line without a tab or whose date part cannot be read as a date-time.
    static std::optional<EventLine> parse(const QString& line);
};
