#include "ui/reminders/EventReminders.h"

#include "models/EventListModel.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/ui/Tray.h"
#include "stores/DataFiles.h"
#include "stores/ReminderSettingsFile.h"
#include "stores/SettingsFile.h"
#include "stores/ShownRemindersFile.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/reminders/ReminderTexts.h"
#include "ui/reminders/frmPubReminders.h"

#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QStringBuilder>
#include <QToolTip>

namespace {

QVector<ReminderEvent> snapshot(const EventListModel& model)
{
    QVector<ReminderEvent> events;
    events.reserve(model.rowCount());
    for (int row = 0; row < model.rowCount(); ++row)
        events.append({ model.event(row).name, model.event(row).moment });
    return events;
}

} // namespace

EventReminders::EventReminders(Program& program, EventListModel& events, ReportList& list,
    QLabel& statusPanel, std::function<void()> bringUp, QWidget* window)
    : QObject(window)
    , m_program(program)
    , m_events(events)
    , m_list(list)
    , m_statusPanel(statusPanel)
    , m_bringUp(std::move(bringUp))
    , m_window(window)
    , m_texts(std::make_unique<ReminderTexts>(program.filePath(DataFileName::tips), QLocale()))
{
    const QString shownPath = program.filePath(ShownRemindersFile::fileName);
    m_scheduler = std::make_unique<ReminderScheduler>([&program] { return program.clock().now(); },
        ShownRemindersFile::read(shownPath), [this](const auto& due) { tell(due); },
        [this](const ReminderState& state) { save(state); });
    m_scheduler->setChoices(ReminderSettingsFile::read(program.settingsFile().path()));
    m_scheduler->setEvents(snapshot(events));

    m_eventsChanged.setSingleShot(true);
    connect(&m_eventsChanged, &QTimer::timeout, this, &EventReminders::followEvents);
    const auto changed = [this] { m_eventsChanged.start(0); };
    connect(&events, &QAbstractItemModel::modelReset, this, changed);
    connect(&events, &QAbstractItemModel::rowsInserted, this, changed);
    connect(&events, &QAbstractItemModel::rowsRemoved, this, changed);
    // A refresh tick changes only the counters; a changed name or moment changes the reminders.
    connect(&events, &QAbstractItemModel::dataChanged, this, [changed](const QModelIndex& topLeft) {
        if (topLeft.column() <= EventListModel::DateTime)
            changed();
    });

    if (Notifier* notifier = program.notifier())
        connect(notifier, &Notifier::activated, this, &EventReminders::selectEvent);
    if (Tray* tray = program.tray())
        connect(tray, &Tray::messageClicked, this, [this] { selectEvent(m_trayTarget); });
    if (auto* entry = window->findChild<QAction*>(QStringLiteral("mentr")))
        connect(entry, &QAction::triggered, this, &EventReminders::openDialog);
    list.viewport()->installEventFilter(this);
}

EventReminders::~EventReminders() = default;

void EventReminders::followEvents()
{
    m_scheduler->setEvents(snapshot(m_events));
}

void EventReminders::tell(const QList<DueReminder>& due)
{
    const Notice notice = m_texts->notice(due);
    if (Notifier* notifier = m_program.notifier(); notifier && notifier->notify(notice))
        return;
    if (Tray* tray = m_program.tray(); tray && tray->showMessage(notice.title, notice.body)) {
        m_trayTarget = notice.target;
        return;
    }
    m_statusPanel.setText(notice.title % u": " % QString(notice.body).replace(u'\n', u' '));
}

void EventReminders::save(const ReminderState& state)
{
    const QString path = m_program.filePath(ShownRemindersFile::fileName);
    QString error;
    // Told once: the reminders go on, but a restart may show some again.
    if (!ShownRemindersFile::write(path, state, &error) && !m_saveFailureReported) {
        m_saveFailureReported = true;
        m_program.reportWriteFailure(m_window, path, error);
    }
}

frmPubReminders& EventReminders::dialog()
{
    if (!m_dialog) {
        m_dialog = new frmPubReminders(
            m_program, [this](const ReminderChoices& choices) { m_scheduler->setChoices(choices); },
            m_window);
    }
    return *m_dialog;
}

void EventReminders::openDialog()
{
    dialog().open(m_scheduler->choices());
}

void EventReminders::selectEvent(const QString& name)
{
    m_bringUp();
    const int row = m_events.findName(name);
    if (row < 0)
        return;
    m_list.selectNoRows();
    m_list.setCurrentRow(row);
    m_list.setSelected(row, true);
    m_list.scrollTo(m_events.index(row, 0));
    m_list.setFocus();
}

bool EventReminders::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = m_list.indexAt(help->pos());
    const auto now = Moment::fromDateTime(m_program.clock().now());
    if (!index.isValid() || !now) {
        QToolTip::hideText();
        return true;
    }
    const auto round = ReminderFinder({}, *now).nextRoundNumber(m_events.event(index.row()).moment);
    if (round)
        QToolTip::showText(help->globalPos(), m_texts->nextRoundNumber(*round), m_list.viewport());
    else
        QToolTip::hideText();
    return true;
}
