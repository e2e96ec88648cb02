#pragma once

#include "platform/Clock.h"

// A clock that stands still until a test sets or advances it.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2010, 1, 1), QTime(12, 0, 0)));

    QDateTime now() const override;
    void set(const QDateTime& moment);
    void advance(qint64 seconds);

private:
    QDateTime m_now;
};
