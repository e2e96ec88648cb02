#include "ui/worktime/WorkCommands.h"

#include "components/ui/InterfaceTexts.h"
#include "core/WorkRules.h"
#include "models/WorkListModel.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "stores/DataFiles.h"
#include "stores/WorksFile.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/worktime/RowSelection.h"

#include <QDir>
#include <QItemSelectionModel>

namespace {

// The failure box names the file itself: the reason is told without it.
QString reasonWithoutPath(const QString& error, const QString& path)
{
    for (const QString& named : { path, QDir::toNativeSeparators(path) }) {
        const QString trailing = u": " % named;
        if (error.endsWith(trailing))
            return error.chopped(trailing.size());
        const qsizetype at = error.indexOf(named % u": ");
        if (at >= 0)
            return error.mid(at + named.size() + 2);
    }
    return error;
}

} // namespace

WorkCommands::WorkCommands(Program& program, WorkListModel& model, ReportList& list, QWidget& owner)
    : QObject(&owner)
    , m_program(program)
    , m_model(model)
    , m_list(list)
    , m_owner(owner)
    , m_path(program.filePath(DataFileName::works))
{
}

WorksFile WorkCommands::file() const
{
    return WorksFile(m_path, m_program.textLines(), m_program.fileSystem());
}

void WorkCommands::reportFailure(const QString& error)
{
    m_program.reportWriteFailure(&m_owner, m_path, reasonWithoutPath(error, m_path));
}

void WorkCommands::loadWorks()
{
    m_path = m_program.filePath(DataFileName::works);
    QVector<WorkRecord> works;
    QString error;
    if (!file().load(&works, m_program.now(), &error))
        reportFailure(error);
    m_model.setWorks(std::move(works));
    for (int row = 0; row < m_model.rowCount(); ++row) {
        if (!m_model.work(row).isStarted())
            m_model.refreshStored(row);
    }
}

void WorkCommands::run(int index, const QString& caption)
{
    const int count = m_model.rowCount();
    const bool needsNoWork
        = InterfaceTexts::isInList(caption, { QStringLiteral("New"), QStringLiteral("Close") });
    if (!needsNoWork && count < 1) {
        const QString text = m_program.message(QStringLiteral("NO WORK")) % u' ' % caption.toLower() % u'.';
        m_program.boxes().show(&m_owner, text, MessageBoxes::Icon::Information);
        return;
    }
    switch (index) {
    case New:
        newWork();
        break;
    case Rename:
        renameWork();
        break;
    case Delete:
        deleteWorks();
        break;
    case Clear:
        clearWorks();
        break;
    case Find:
        findWorks();
        break;
    case Restart:
    case Pause:
    case Stop:
        changeStatus(index);
        break;
    case Close:
        Q_EMIT closeRequested();
        break;
    default:
        break;
    }
}

std::optional<QString> WorkCommands::askName(const QString& prompt, const QString& defaultText, int row)
{
    for (;;) {
        const auto answer = m_program.boxes().input(&m_owner, prompt, defaultText);
        const QString name = answer ? WorkRecord::cleanName(*answer) : QString();
        if (name.isEmpty() || (row >= 0 && name == m_model.work(row).name))
            return std::nullopt;
        // A work may not take another work's name; its own, tidied or in other letters, it may.
        const int found = m_model.findName(name);
        if (found < 0 || found == row)
            return name;
        m_program.boxes().show(&m_owner,
            u'\'' % name % u"' " % m_program.message(QStringLiteral("EVENT EXIST")),
            MessageBoxes::Icon::Information);
    }
}

void WorkCommands::newWork()
{
    const auto name = askName(m_program.message(QStringLiteral("NEW WORK")), {}, -1);
    if (!name)
        return;
    const WorkRecord work = WorkRecord::startedAt(*name, m_program.now());
    QString error;
    if (!file().append(work, &error)) {
        reportFailure(error);
        return;
    }
    selectOnly(m_model.addWork(work));
    m_list.setFocus();
}

void WorkCommands::renameWork()
{
    const int selected = RowSelection::firstSelectedRow(*m_list.selectionModel(), m_model.rowCount());
    const int row = selected < 0 ? m_model.rowCount() - 1 : selected;
    if (row < 0)
        return;
    WorkRecord work = m_model.work(row);
    const QString prompt = m_program.message(QStringLiteral("INPUT NAME A")) % u" '" % work.name % u"', "
        % m_program.message(QStringLiteral("INPUT NAME B"));
    const auto name = askName(prompt, work.name, row);
    if (!name)
        return;
    QString error;
    if (!file().rename(work.name, *name, &error)) {
        reportFailure(error);
        return;
    }
    work.name = *name;
    m_model.setWork(row, work);
}

bool WorkCommands::confirmed(const char* key)
{
    return m_program.boxes().show(
               &m_owner, m_program.message(QString::fromLatin1(key)), MessageBoxes::Icon::Question)
        == MessageBoxes::Answer::Yes;
}

void WorkCommands::deleteWorks()
{
    if (!confirmed("DEL WORK PROMPT"))
        return;
    // All their lines leave the file in one write, and a write that fails leaves file and list
    // both as they were.
    const std::vector<bool> selected
        = RowSelection::selectedRows(*m_list.selectionModel(), m_model.rowCount());
    QStringList names;
    for (int row = m_model.rowCount() - 1; row >= 0; --row) {
        if (selected[size_t(row)])
            names << m_model.work(row).name;
    }
    if (names.isEmpty())
        return;
    QString error;
    if (!file().remove(names, &error)) {
        reportFailure(error);
        return;
    }
    m_model.removeWorks(selected);
}

void WorkCommands::clearWorks()
{
    if (!confirmed("CLEAR WORK"))
        return;
    QString error;
    if (!file().clear(&error)) {
        reportFailure(error);
        // A file that is still there still holds its works; one that is gone holds none.
        if (m_program.fileSystem().fileExists(m_path))
            return;
    }
    m_model.clear();
}

void WorkCommands::findWorks()
{
    const auto answer = m_program.boxes().input(&m_owner, m_program.message(QStringLiteral("INPUT WORK")));
    const QString wanted = answer ? answer->trimmed().toLower() : QString();
    if (wanted.isEmpty())
        return;
    std::vector<bool> matches(size_t(m_model.rowCount()), false);
    for (int row = 0; row < m_model.rowCount(); ++row)
        matches[size_t(row)] = m_model.work(row).name.toLower().contains(wanted);
    RowSelection::selectOnly(*m_list.selectionModel(), m_model, matches);
    m_list.setFocus();
}

void WorkCommands::changeStatus(int index)
{
    const Moment now = m_program.now();
    const std::vector<bool> selected
        = RowSelection::selectedRows(*m_list.selectionModel(), m_model.rowCount());
    QVector<int> rows;
    QVector<WorkRecord> changed;
    for (int row = 0; row < m_model.rowCount(); ++row) {
        if (!selected[size_t(row)])
            continue;
        WorkRecord work = m_model.work(row);
        const bool done = index == Restart ? WorkRules::restart(work, now)
            : index == Pause               ? WorkRules::pause(work, now)
                                           : WorkRules::stop(work, now);
        if (!done)
            continue;
        rows << row;
        changed << std::move(work);
    }
    // All the changed works in one write, in list order; a write that fails changes none.
    QString error;
    if (!file().rewrite(changed, &error)) {
        reportFailure(error);
        return;
    }
    for (int i = 0; i < rows.size(); ++i)
        m_model.setWork(rows[i], changed[i]);
    Q_EMIT statusesChanged();
}

void WorkCommands::selectOnly(int row)
{
    m_list.selectNoRows();
    m_list.setCurrentRow(row);
    m_list.setSelected(row, true);
}

std::optional<QString> WorkCommands::copyValue(int column) const
{
    if (m_model.rowCount() < 1)
        return std::nullopt;
    // The selected work with the focus, else the first selected one.
    int row = m_list.currentRow();
    if (row < 0 || !m_list.isSelected(row))
        row = RowSelection::firstSelectedRow(*m_list.selectionModel(), m_model.rowCount());
    return row < 0 ? QString() : m_model.cellText(row, column);
}

void WorkCommands::rewriteRunningWorks()
{
    QVector<WorkRecord> running;
    for (int row = 0; row < m_model.rowCount(); ++row) {
        if (m_model.work(row).isStarted())
            running << m_model.work(row);
    }
    QString error;
    if (!file().rewrite(running, &error))
        reportFailure(error);
}
