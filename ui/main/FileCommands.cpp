#include "ui/main/FileCommands.h"

#include "components/ProfileShell.h"
#include "stores/EventsFile.h"
#include "ui/common/Program.h"
#include "ui/main/EventsWindow.h"

namespace FileCommands {

namespace {

// Dialog filters: description and pattern pairs, the parts separated by a character 0.
QString filter(QStringView events)
{
    const QChar separator(0);
    return events % separator % u"*.krn" % separator % u"All Files (*.*)" % separator % u"*.*";
}

} // namespace

void saveAs(EventsWindow& window)
{
    Program& program = window.program();
    const QString destination
        = program.profileShell().saveFileDialog(&window.widget(), QStringLiteral("Save Events As"), QString(),
            filter(u"KRN Events Files (*.krn)"), QString(), QStringLiteral("krn"));
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
    const QStringList chosen = program.profileShell().openFileDialog(&window.widget(),
        QStringLiteral("Load Events From"), filter(u"KRN Events File (*.KRN)"), initialPath, readOnlyFlag);
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
