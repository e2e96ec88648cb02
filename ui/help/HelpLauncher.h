#pragma once

#include "HelpWindow.h"

#include <QPointer>

// Keeps at most one help window open. The main window owns one launcher, opens the help from
// F1 and the tray menu, and closes it when the main window goes away.
class HelpLauncher
{
public:
    // texts words each window the launcher opens (HelpWindow::applyTexts).
    explicit HelpLauncher(HelpWindow::LinkOpener openExternal, HelpWindow::TextLookup texts = {});
    ~HelpLauncher();
    HelpLauncher(const HelpLauncher&) = delete;
    HelpLauncher& operator=(const HelpLauncher&) = delete;

    // Shows the help maximized and focused at startPage. While a help window is open it does
    // nothing and returns false, as the help command has always done.
    bool open(const QString& startPage);
    bool isOpen() const;
    void close();

    // The open window, for tests and for raising it; null when none is open.
    HelpWindow* window() const { return m_window; }

private:
    HelpWindow::LinkOpener m_openExternal;
    HelpWindow::TextLookup m_texts;
    QPointer<HelpWindow> m_window;
};
