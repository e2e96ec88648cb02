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

const QString section = QStringLiteral("frmPubMain");

QString summary(const Program& program, const QString& path, const ImportResult& result)
{
    QString text = program.message(QStringLiteral("IMPORT DONE"))
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
    QString initialPath;
    bool readOnlyFlag = false;
    const QStringList chosen = program.profileShell().openFileDialog(&window.widget(),
        program.text(section, QStringLiteral("ImportTitle")),
        ProfileShell::filterFromText(program.text(section, QStringLiteral("ImportFilter"))), initialPath,
        readOnlyFlag);
    if (chosen.isEmpty())
        return;
    QString error;
    const auto result = ::importCalendar(chosen.first(), program.eventsFile().path(), &error);
    if (!result) {
        program.boxes().show(&window.widget(),
            program.message(QStringLiteral("IMPORT FAILED"))
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
    const QString destination = program.profileShell().saveFileDialog(&window.widget(),
        program.text(section, QStringLiteral("ExportTitle")), QString(),
        ProfileShell::filterFromText(program.text(section, QStringLiteral("ExportFilter"))), QString(),
        QStringLiteral("ics"));
    if (destination.isEmpty())
        return;
    const auto format = exportFormatFor(destination);
    if (!format) {
        program.reportWriteFailure(
            &window.widget(), destination, program.message(QStringLiteral("EXPORT ENDING")));
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
