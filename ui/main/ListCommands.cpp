#include "ui/main/ListCommands.h"

#include "models/EventListModel.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "stores/EventsFile.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/main/EventsWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>

namespace ListCommands {

namespace {

void tell(EventsWindow& window, const char* key)
{
    Program& program = window.program();
    program.boxes().show(
        &window.widget(), program.message(QString::fromLatin1(key)), MessageBoxes::Icon::Information);
}

bool confirmed(EventsWindow& window, const char* key)
{
    Program& program = window.program();
    return program.boxes().show(
               &window.widget(), program.message(QString::fromLatin1(key)), MessageBoxes::Icon::Question)
        == MessageBoxes::Answer::Yes;
}

} // namespace

void deleteSelected(EventsWindow& window)
{
    EventListModel& events = window.events();
    ReportList& list = window.lsv();
    if (events.rowCount() == 0) {
        tell(window, "NO EVENT DEL");
        return;
    }
    if (!confirmed(window, "DEL EVENT PROMPT"))
        return;
    // From the last row up, so the rows still to go keep their numbers. All their lines leave
    // the file in one write: a long selection costs one pass over the file, and a write that
    // fails leaves file and list both as they were.
    QList<int> doomed;
    QStringList names;
    for (int row = events.rowCount() - 1; row >= 0; --row) {
        if (list.isSelected(row)) {
            doomed << row;
            names << events.event(row).name;
        }
    }
    const EventsFile file = window.program().eventsFile();
    QString error;
    if (names.isEmpty() || file.remove(names, &error)) {
        for (int row : std::as_const(doomed))
            events.removeEvent(row);
    } else {
        window.program().reportWriteFailure(&window.widget(), file.path(), error);
    }
    window.writeCountText();
    list.setCurrentRow(0);
    list.setSelected(0, true);
    list.setFocus();
}

void clearAll(EventsWindow& window)
{
    EventListModel& events = window.events();
    if (events.rowCount() == 0) {
        tell(window, "NO EVENT CLS");
        return;
    }
    if (!confirmed(window, "CLEAR EVENT"))
        return;
    Program& program = window.program();
    const EventsFile file = program.eventsFile();
    QString error;
    if (!file.clear(&error)) {
        program.reportWriteFailure(&window.widget(), file.path(), error);
        // A file that is still there still holds its events; one that is gone holds none.
        if (program.fileSystem().fileExists(file.path()))
            return;
    }
    events.clear();
    window.writeCountText();
}

void selectAll(EventsWindow& window)
{
    window.lsv().selectAllRows();
    window.lsv().setFocus();
}

void selectNone(EventsWindow& window)
{
    window.lsv().selectNoRows();
    window.lsv().setFocus();
}

void find(EventsWindow& window)
{
    Program& program = window.program();
    const std::optional<QString> answer
        = program.boxes().input(&window.widget(), program.message(QStringLiteral("FIND")));
    const QString wanted = answer ? answer->trimmed().toLower() : QString();
    if (wanted.isEmpty())
        return;
    // One selection change for all matches: a long list then costs one repaint, not one per row.
    const EventListModel& events = window.events();
    QItemSelection matches;
    int runStart = -1; // neighbouring matches make one range
    for (int row = 0; row <= events.rowCount(); ++row) {
        const bool match = row < events.rowCount() && events.event(row).name.toLower().contains(wanted);
        if (match && runStart < 0)
            runStart = row;
        if (!match && runStart >= 0) {
            matches.select(events.index(runStart, 0), events.index(row - 1, EventListModel::ColumnCount - 1));
            runStart = -1;
        }
    }
    ReportList& list = window.lsv();
    // Selecting does not move the current row, so the list does not scroll.
    list.selectionModel()->select(matches, QItemSelectionModel::ClearAndSelect);
    list.setFocus();
}

void copyCell(EventsWindow& window, int column)
{
    const EventListModel& events = window.events();
    if (events.rowCount() == 0)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const int row = window.lsv().currentRow();
    if (row >= 0)
        clipboard->setText(events.cellText(row, column));
}

void selectOnly(EventsWindow& window, int row)
{
    ReportList& list = window.lsv();
    list.selectNoRows();
    list.setCurrentRow(row);
    list.setSelected(row, true);
}

} // namespace ListCommands
