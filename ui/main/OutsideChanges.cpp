#include "ui/main/OutsideChanges.h"

#include "components/TextSet.h"
#include "models/EventListModel.h"
#include "stores/DataFiles.h"
#include "stores/EventsFile.h"
#include "stores/FolderWatcher.h"
#include "stores/SettingsFile.h"
#include "ui/common/KeptView.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/main/FollowEvents.h"
#include "ui/main/frmPubMain.h"
#include "ui/worktime/frmPubWorkTime.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>

namespace {

// Each file followed, for finding out what a synchronising tool did to the folder; off
// unless QT_LOGGING_RULES="kronvel.outside.info=true".
Q_LOGGING_CATEGORY(outsideLog, "kronvel.outside", QtWarningMsg)

// A box that waits for an answer inside a command: the command still holds rows by number.
bool boxOpen()
{
    const QWidget* modal = QApplication::activeModalWidget();
    return qobject_cast<const QMessageBox*>(modal) || qobject_cast<const QInputDialog*>(modal)
        || qobject_cast<const QFileDialog*>(modal) || qobject_cast<const QColorDialog*>(modal);
}

} // namespace

OutsideChanges::OutsideChanges(frmPubMain& window)
    : QObject(&window)
    , m_window(window)
    , m_program(window.program())
    , m_watcher(new FolderWatcher(window.program().folder(),
          { DataFileName::events, DataFileName::settings, DataFileName::works, DataFileName::tips,
              DataFileName::menus },
          this))
{
    m_window.program().setWriteWatch(m_watcher);
    m_retry.setSingleShot(true);
    m_retry.setInterval(250);
    connect(&m_retry, &QTimer::timeout, this, &OutsideChanges::followPending);
    connect(m_watcher, &FolderWatcher::fileChanged, this, &OutsideChanges::follow);
    connect(m_watcher, &FolderWatcher::conflictCopiesFound, this, &OutsideChanges::tellConflictCopies);
}

OutsideChanges::~OutsideChanges()
{
    m_program.setWriteWatch(nullptr);
}

void OutsideChanges::follow(const QString& fileName)
{
    m_pending.insert(fileName);
    followPending();
}

void OutsideChanges::followPending()
{
    if (boxOpen()) {
        m_retry.start();
        return;
    }
    const QSet<QString> files = std::exchange(m_pending, {});
    // Settings first, so that reloaded rows are counted and coloured by the new ones.
    for (const QString& name : { DataFileName::settings, DataFileName::events, DataFileName::works,
             DataFileName::tips, DataFileName::menus }) {
        if (!files.contains(name))
            continue;
        if (name == DataFileName::settings)
            reloadSettings();
        else if (name == DataFileName::events)
            reloadEvents();
        else if (name == DataFileName::tips || name == DataFileName::menus)
            m_window.applyTexts();
        if (auto* workTime = m_window.findChild<frmPubWorkTime*>())
            workTime->followOutsideChange(name);
        qCInfo(outsideLog, "followed %s", qUtf8Printable(name));
        Q_EMIT followed(name);
    }
}

void OutsideChanges::reloadEvents()
{
    EventListModel& events = m_window.events();
    Program& program = m_window.program();
    // Mostly a few lines changed: only they are read again (the file's lines are kept from
    // the last read), only their rows change, and the view keeps its place itself.
    const Moment now = program.now();
    const auto read = program.eventsFile().read(now);
    if (read && read->lineCount > 0 && followEvents(events, read->events, now)) {
        m_window.writeCountText();
        m_window.applyListStyle();
        m_window.lsv().layOutChangedRows();
        return;
    }
    const KeptView kept(m_window.lsv(), [&events](int row) { return events.event(row).name; });
    m_window.loadEvents();
    // Counters are sorted by their value, which the load has only just counted.
    if (events.sortColumn() >= EventListModel::Years)
        events.sort(events.sortColumn(), events.sortOrder());
    m_window.writeCountText();
    m_window.applyListStyle();
    kept.restore();
}

void OutsideChanges::reloadSettings()
{
    Program& program = m_window.program();
    Settings settings = program.settingsFile().read();
    // The window stays where it is; its position is its own to record.
    for (SettingKey key : { SettingKey::Left, SettingKey::Top, SettingKey::Width, SettingKey::Height })
        settings.setValue(key, program.settings().value(key));
    program.settings() = settings;
    m_window.tim_Timer();
    m_window.applyListStyle();
    m_window.applyRefreshInterval();
}

void OutsideChanges::tellConflictCopies(const QStringList& fileNames)
{
    qCInfo(outsideLog, "conflict copies %s", qUtf8Printable(fileNames.join(u' ')));
    QString text = TextSet::readText(m_window.program().filePath(DataFileName::tips),
        QStringLiteral("frmPubMain"), QStringLiteral("ConflictCopy"));
    m_window.panel(1).setText(text.replace(QStringLiteral("%1"), fileNames.join(QStringLiteral(", "))));
}
