#include "tests/support/FakeClock.h"

#include <utility>

FakeClock::FakeClock(QDateTime start)
    : m_now(std::move(start))
{
}

QDateTime FakeClock::now() const
{
    return m_now;
}

void FakeClock::set(const QDateTime& moment)
{
    m_now = moment;
}

void FakeClock::advance(qint64 seconds)
{
    m_now = m_now.addSecs(seconds);
}
