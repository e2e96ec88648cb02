#pragma once

#include <QDateTime>

// The local wall clock, read in whole seconds. Logic never reads the system clock itself:
// it asks the Clock it was given, so tests can set and jump the time.
class Clock
{
public:
    virtual ~Clock() = default;
    // Local wall time with the milliseconds cut off.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};
