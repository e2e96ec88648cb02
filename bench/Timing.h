#pragma once

#include <QElapsedTimer>

// The mean wall time of one call of work(i), i counting from 0, over calls calls.
template <typename Work> double nanosecondsPerCall(int calls, Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        work(i);
    return double(timer.nsecsElapsed()) / calls;
}
