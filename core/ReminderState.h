#pragma once

#include "core/Moment.h"

#include <QSet>
#include <QString>

// What the reminders have already looked at, kept across restarts so that nothing is shown
// twice and nothing that came due while Kronvel was away is lost.
struct ReminderState
{
    // Reminders due up to this moment have been dealt with.
    Moment checked;
    // The latest moment the clock ever showed; checked falls below it after a jump back.
    Moment latest;
    // The keys of the reminders shown within keepShown before latest: after the clock goes
    // back, those come due again and must not be shown a second time.
    QSet<QString> shown;

    static constexpr std::int64_t keepShown = 2 * 86400;

    friend bool operator==(const ReminderState&, const ReminderState&) = default;
};
