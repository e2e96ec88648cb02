#include "HelpLauncher.h"

HelpLauncher::HelpLauncher(HelpWindow::LinkOpener openExternal, HelpWindow::TextLookup texts)
    : m_openExternal(std::move(openExternal))
    , m_texts(std::move(texts))
{
}

HelpLauncher::~HelpLauncher()
{
    delete m_window;
}

bool HelpLauncher::open(const QString& startPage)
{
    if (isOpen())
        return false;
    delete m_window; // a window hidden by other means is replaced, not shown twice
    m_window = new HelpWindow(startPage, m_openExternal);
    m_window->applyTexts(m_texts);
    // Closing the window frees it; the QPointer then reads null and the next open starts afresh.
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_window->showMaximized();
    m_window->raise();
    m_window->activateWindow();
    return true;
}

bool HelpLauncher::isOpen() const
{
    return m_window && m_window->isVisible();
}

void HelpLauncher::close()
{
    if (m_window)
        m_window->close();
}
