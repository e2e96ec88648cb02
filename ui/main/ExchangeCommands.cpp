#include "ui/main/ExchangeCommands.h"

#include "components/FileReplace.h"
#include "components/ProfileShell.h"
#include "exchange/CalendarImport.h"
#include "exchange/EventsExport.h"
#include "models/EventListModel.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "stores/EventsFile.h"
#include "ui/common/Program.h"
#include "ui/main/EventsWindow.h"

#include <QDir>

namespace ExchangeCommands {

namespace {

// The message of a key, or the wording shipped with this version when an older tips.dll lacks it.
QString message(const Program& program, const char* key, const char* shipped)
{
    const QString text = program.message(QString::fromLatin1(key));
    return text.contains(u"%1") ? text : QString::fromUtf8(shipped);
}

QString summary(const Program& program, const QString& path, const ImportResult& result)
{
    QString text = message(program, "IMPORT DONE", "Events added from %1: %2. Skipped: %3.")
                       .arg(QDir::toNativeSeparators(path))
                       .arg(result.added.size())
                       .arg(result.skipped.size());
    constexpr qsizetype shown = 15; // a box stays on the screen; the rest is counted
    for (qsizetype i = 0; i < result.skipped.size() && i < shown; ++i)
        text += u"\n'" % result.skipped[i].name % u"': " % result.skipped[i].reason;
    if (result.skipped.size() > shown)
        text += u"\n…";
    return text;
}

} // namespace

void importCalendar(EventsWindow& window)
{
    Program& program = window.program();
    const QChar separator(0);
    QString initialPath;
    bool readOnlyFlag = false;
    const QStringList chosen
        = program.profileShell().openFileDialog(&window.widget(), QStringLiteral("Import Calendar"),
            u"iCalendar Files (*.ics)" % separator % u"*.ics" % separator % u"All Files (*.*)" % separator
                % u"*.*",
            initialPath, readOnlyFlag);
    if (chosen.isEmpty())
        return;
    QString error;
    const auto result = ::importCalendar(chosen.first(), program.eventsFile().path(), &error);
    if (!result) {
        program.boxes().show(&window.widget(),
            message(program, "IMPORT FAILED", "Kronvel could not import %1 (%2). The events are unchanged.")
                .arg(QDir::toNativeSeparators(chosen.first()), error),
            MessageBoxes::Icon::Warning);
        return;
    }
    if (!result->added.isEmpty()) {
        window.loadEvents();
        window.writeCountText();
        window.applyListStyle();
    }
    program.boxes().show(
        &window.widget(), summary(program, chosen.first(), *result), MessageBoxes::Icon::Information);
}

void exportEvents(EventsWindow& window)
{
    Program& program = window.program();
    const QChar separator(0);
    const QString destination
        = program.profileShell().saveFileDialog(&window.widget(), QStringLiteral("Export Events"), QString(),
            u"iCalendar Files (*.ics)" % separator % u"*.ics" % separator % u"CSV Files (*.csv)" % separator
                % u"*.csv" % separator % u"JSON Files (*.json)" % separator % u"*.json",
            QString(), QStringLiteral("ics"));
    if (destination.isEmpty())
        return;
    const auto format = exportFormatFor(destination);
    if (!format) {
        program.reportWriteFailure(&window.widget(), destination,
            QStringLiteral("Kronvel exports to files ending in .ics, .csv or .json"));
        return;
    }
    QVector<EventEntry> events;
    const EventListModel& list = window.events();
    for (int row = 0; row < list.rowCount(); ++row)
        events.append({ list.event(row).name, list.event(row).moment });
    const QByteArray bytes = ::exportEvents(
        *format, events, program.now(), unitDecimals(program.settings()), program.clock().now());
    QString error;
    if (!FileReplace::replace(destination, bytes, &error))
        program.reportWriteFailure(&window.widget(), destination, error);
}

} // namespace ExchangeCommands
