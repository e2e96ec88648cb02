#include "tests/support/FakeDesktop.h"

#include "platform/ui/TopLevelWindows.h"

QStringList FakeDesktop::openFileNames(QWidget*, const QString& title, const QString& filter, const QString&)
{
    m_calls.append(QStringLiteral("open"));
    m_lastTitle = title;
    m_lastFilter = filter;
    return m_openResults.isEmpty() ? QStringList() : m_openResults.dequeue();
}

QString FakeDesktop::saveFileName(
    QWidget*, const QString& title, const QString& filter, const QString& defaultExtension)
{
    m_calls.append(QStringLiteral("save"));
    m_lastTitle = title;
    m_lastFilter = filter;
    m_lastDefaultExtension = defaultExtension;
    return m_saveResults.isEmpty() ? QString() : m_saveResults.dequeue();
}

qint32 FakeDesktop::chooseColor(QWidget*, qint32 initial)
{
    m_calls.append(QStringLiteral("color"));
    m_initialColors.append(initial);
    return m_colors.isEmpty() ? -1 : m_colors.dequeue();
}

bool FakeDesktop::openAddress(const QString& address)
{
    m_calls.append(QStringLiteral("address"));
    m_addresses.append(address);
    return true;
}

quintptr FakeDesktop::findWindow(const QString& title)
{
    m_calls.append(QStringLiteral("find"));
    return TopLevelWindows::find(title);
}

bool FakeDesktop::sendWindowMessage(quintptr window, int message, quintptr, quintptr)
{
    m_calls.append(QStringLiteral("message"));
    m_messages.append({ window, message });
    return TopLevelWindows::send(window, message);
}
