#include "platform/Clock.h"

QDateTime SystemClock::now() const
{
    // Whole seconds only: the counters and the status-bar clock never show milliseconds.
    return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
}
