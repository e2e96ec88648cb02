#include "tests/support/FakeTray.h"

bool FakeTray::add(const QIcon&, const QString& tip)
{
    if (refuses || m_shown)
        return false;
    ++m_adds;
    m_shown = true;
    m_tip = tip;
    return true;
}

bool FakeTray::remove()
{
    if (!m_shown)
        return false;
    ++m_removes;
    m_shown = false;
    return true;
}

bool FakeTray::showMessage(const QString& title, const QString& body)
{
    if (!m_shown)
        return false;
    messages << title + QLatin1Char('\n') + body;
    return true;
}
