#include "ui/main/LinkCommands.h"

#include "components/ProfileShell.h"
#include "stores/MessageTexts.h"
#include "ui/common/Program.h"
#include "ui/help/HelpLauncher.h"
#include "ui/main/EventsWindow.h"

#include <KronvelVersion.h>

namespace LinkCommands {

namespace {

// The new-version page is asked about this release; the blanks go as they are, which is
// what the page expects.
constexpr QStringView newVersionQuery = u"/newver.php?ver=" KRN_VERSION " Build " KRN_BUILD_DATE "&prod=KRN";
// How the shell shows the opened address: maximized.
constexpr int showMaximized = 3;

} // namespace

QString address(const QString& folder, const QString& entry)
{
    const auto link
        = [&folder](const char* key) { return linkText(folder, QString::fromLatin1(key)).trimmed(); };
    if (entry == u"menht")
        return link("Forum");
    if (entry == u"menhw")
        return link("Web");
    if (entry == u"menhc") {
        const QString mail = link("Mail");
        return mail.isEmpty() ? QString() : u"mailto:" % mail;
    }
    if (entry == u"menhl") {
        QString publisher = link("Publisher");
        // The page's path starts with its own "/"; a site address written with one keeps one.
        while (publisher.endsWith(u'/'))
            publisher.chop(1);
        return publisher.isEmpty() ? QString() : publisher % newVersionQuery;
    }
    return {};
}

void open(EventsWindow& window, const QString& entry)
{
    Program& program = window.program();
    const QString target = address(program.folder(), entry);
    if (!target.isEmpty())
        program.profileShell().openAddress(target, showMaximized);
}

void openHelp(EventsWindow& window)
{
    Program& program = window.program();
    if (program.profileShell().findWindow(QStringLiteral("KRN Help")) >= 1)
        return;
    window.help().open(program.filePath(QStringLiteral("help/events.html")));
}

} // namespace LinkCommands
