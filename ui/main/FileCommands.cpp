#include "ui/main/FileCommands.h"

#include "components/ProfileShell.h"
#include "stores/EventsFile.h"
#include "ui/common/Program.h"
#include "ui/main/EventsWindow.h"

namespace FileCommands {

namespace {

// The dialogs' titles and filters are texts of the main window's section of tips.dll.
QString text(const Program& program, const char* key)
{
    return program.text(QStringLiteral("frmPubMain"), QString::fromLatin1(key));
}

} // namespace

void saveAs(EventsWindow& window)
{
    Program& program = window.program();
    const QString destination
        = program.profileShell().saveFileDialog(&window.widget(), text(program, "SaveAsTitle"), QString(),
            ProfileShell::filterFromText(text(program, "SaveAsFilter")), QString(), QStringLiteral("krn"));
    if (destination.isEmpty())
        return;
    QString error;
    if (!program.eventsFile().saveAs(destination, &error))
        program.reportWriteFailure(&window.widget(), destination, error);
}

void loadFrom(EventsWindow& window)
{
    Program& program = window.program();
    QString initialPath;
    bool readOnlyFlag = false;
    const QStringList chosen
        = program.profileShell().openFileDialog(&window.widget(), text(program, "LoadFromTitle"),
            ProfileShell::filterFromText(text(program, "LoadFromFilter")), initialPath, readOnlyFlag);
    if (chosen.isEmpty())
        return;
    const EventsFile file = program.eventsFile();
    QString error;
    // The copy replaces the events file whole or not at all; a failed one leaves the list as it is.
    if (!file.replaceWith(chosen.first(), &error)) {
        program.reportWriteFailure(&window.widget(), file.path(), error);
        return;
    }
    window.loadEvents();
    window.writeCountText();
    window.applyListStyle();
}

} // namespace FileCommands
