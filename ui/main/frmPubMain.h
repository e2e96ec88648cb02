#pragma once

#include "core/TimeUnit.h"
#include "ui/help/HelpLauncher.h"
#include "ui/main/EventsWindow.h"

#include "stores/Settings.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QRect>
#include <array>
#include <optional>

class EventListModel;
class MainCommands;
class MenuTips;
class mdlPubTrayIcon;
class Program;
class QAction;
class QLabel;
class QTimer;
class QToolBar;
class ReportList;
class EventReminders;

// The main window: the events list with its live counters, the toolbar, the menus, the
// status bar and three timers: tim refreshes the counters, timNow the clock, timPos keeps the
// saved position. Loading happens in the constructor; closing the window unloads it.
class frmPubMain : public QMainWindow, public EventsWindow
{
    Q_OBJECT

public:
    explicit frmPubMain(Program& program, QWidget* parent = nullptr);
    ~frmPubMain() override;

    QWidget& widget() override { return *this; }
    Program& program() const override { return m_program; }
    ReportList& lsv() const override { return *m_lsv; }
    EventListModel& events() const override { return *m_events; }
    MainCommands& commands() const { return *m_commands; }
    HelpLauncher& help() override { return m_help; }
    mdlPubTrayIcon& trayIcon() const override { return *m_trayIcon; }
    EventReminders& reminders() const { return *m_reminders; }
    // Status panels 1 to 4.
    QLabel& panel(int number) const;
    QTimer& tim() const { return *m_tim; }

    void writeCountText() override;
    void loadEvents() override;
    void applyListStyle() override;
    void applySettings() override;
    // The menu captions, control texts and status texts from menus.dll and tips.dll.
    void applyTexts();
    // The interval of tim from "Refresh"; "0" stops it, an unusable value leaves it as it was.
    void applyRefreshInterval();
    // Runs the command whose caption the button shows; other captions do nothing.
    void tlb_ButtonClick(QAction* button);

Q_SIGNALS:
    // The unload has run: the program ends now, and only through this.
    void unloaded();

public Q_SLOTS:
    void tim_Timer();
    void timNow_Timer();
    void timPos_Timer();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildStatusBar();
    void trackMouseOver(QWidget* area);
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void applySavedPosition();
    // Places the window so that its outer edges are those given, with the frame known now.
    void placeOuter(const QRect& outer);
    // The outer edges and size, with the frame the window manager has given the window so far.
    QRect outerGeometry() const;
    void checkPlacement();
    void recordPosition();
    // A position value in twips for the file: the saved text while it names these pixels.
    QString savedTwips(SettingKey key, int pixels) const;
    void writePosition();
    void layOutList();
    void widenColumns();
    double dpi() const;

    Program& m_program;
    EventListModel* m_events = nullptr;
    ReportList* m_lsv = nullptr;
    QToolBar* m_tlb = nullptr;
    std::array<QLabel*, 4> m_panels {};
    QTimer* m_tim = nullptr;
    QTimer* m_timNow = nullptr;
    QTimer* m_timPos = nullptr;
    // The outer edges a restore is still placing the window at, until the frame is known.
    std::optional<QRect> m_placement;
    QElapsedTimer m_placementAge;
    QTimer* m_placementCheck = nullptr;
    // A placement request the window manager has not answered yet, and its age.
    bool m_awaitingAnswer = false;
    QElapsedTimer m_requestAge;
    MainCommands* m_commands = nullptr;
    MenuTips* m_menuTips = nullptr;
    mdlPubTrayIcon* m_trayIcon = nullptr;
    EventReminders* m_reminders = nullptr;
    HelpLauncher m_help;
    std::array<QString, timeUnitCount> m_decimals;
    QString m_readyText;
    QString m_listingText;
    QString m_countText;
    bool m_applyingPosition = false;
    bool m_unloaded = false;
};
