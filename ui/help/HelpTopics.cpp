#include "HelpTopics.h"

QList<HelpTopic> helpTopics()
{
    return {
        { QStringLiteral("index.html"), QStringLiteral("Contents") },
        { QStringLiteral("events.html"), QStringLiteral("The events window") },
        { QStringLiteral("editor.html"), QStringLiteral("Adding and changing events") },
        { QStringLiteral("commands.html"), QStringLiteral("Commands and shortcuts") },
        { QStringLiteral("reminders.html"), QStringLiteral("Reminders") },
        { QStringLiteral("worktime.html"), QStringLiteral("Work time") },
        { QStringLiteral("calculator.html"), QStringLiteral("Calculator") },
        { QStringLiteral("options.html"), QStringLiteral("Options") },
        { QStringLiteral("files.html"), QStringLiteral("Where your data lives") },
        { QStringLiteral("commandline.html"), QStringLiteral("Command line") },
    };
}
