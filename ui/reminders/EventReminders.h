#pragma once

#include "core/ReminderScheduler.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

class EventListModel;
class Program;
class QLabel;
class ReportList;
class ReminderTexts;
class frmPubReminders;

// The reminders of the main window's events. Follows the events list and the reminder
// choices, tells of what comes due through the program's notifier, else the tray icon's
// message, else the first status panel; a click on a notice shows the window with the event
// selected. Also gives each row a tooltip with its next round number, and opens the Tools
// menu's reminder choices (entry "mentr").
class EventReminders : public QObject
{
    Q_OBJECT

public:
    // bringUp shows the main window, from the tray when it is there. window holds the list,
    // the status panel and the menu entry.
    EventReminders(Program& program, EventListModel& events, ReportList& list, QLabel& statusPanel,
        std::function<void()> bringUp, QWidget* window);
    ~EventReminders() override;

    ReminderScheduler& scheduler() { return *m_scheduler; }
    frmPubReminders& dialog();
    void openDialog();
    // Selects the event's row alone and shows the window.
    void selectEvent(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followEvents();
    void tell(const QList<DueReminder>& due);
    void save(const ReminderState& state);

    Program& m_program;
    EventListModel& m_events;
    ReportList& m_list;
    QLabel& m_statusPanel;
    std::function<void()> m_bringUp;
    QWidget* m_window;
    std::unique_ptr<ReminderTexts> m_texts;
    std::unique_ptr<ReminderScheduler> m_scheduler;
    QPointer<frmPubReminders> m_dialog;
    // Many row changes in a row (a load) are followed once.
    QTimer m_eventsChanged;
    QString m_trayTarget;
    bool m_saveFailureReported = false;
};
