#pragma once

class EventListModel;
class HelpLauncher;
class mdlPubTrayIcon;
class Program;
class QWidget;
class ReportList;

// What the main window's commands need of the window: its list and model, the program, the
// help launcher, the tray icon, and the steps that bring the list up to date. The commands
// know the window only through this, so they and the window do not include each other.
class EventsWindow
{
public:
    // The window itself, as the owner of boxes and dialogs.
    virtual QWidget& widget() = 0;
    virtual Program& program() const = 0;
    virtual EventListModel& events() const = 0;
    virtual ReportList& lsv() const = 0;
    virtual HelpLauncher& help() = 0;
    virtual mdlPubTrayIcon& trayIcon() const = 0;

    // Panel 2: "Events: " and the number of rows.
    virtual void writeCountText() = 0;
    // Reloads the events file into the list; a failed write of the file is reported.
    virtual void loadEvents() = 0;
    // The list's font and colours from the settings, and the future rows' colour.
    virtual void applyListStyle() = 0;
    // The settings have been read again: the list, its counters, its style and the refresh
    // interval follow them at once.
    virtual void applySettings() = 0;

protected:
    ~EventsWindow() = default;
};
