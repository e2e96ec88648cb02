#include "app/CommandLine.h"
#include "app/EventsListing.h"
#include "app/ExchangeCommand.h"
#include "app/TerminationSignal.h"
#include "core/Moment.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"
#include "platform/ui/QtDesktop.h"
#include "platform/ui/QtMessageBoxes.h"
#include "platform/ui/QtTray.h"
#include "ui/main/frmPubMain.h"
#include "ui/main/mdlPubSelf.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>

namespace {

const QString shippedFiles = QStringLiteral(":/shipped");

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Kronvel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kronvel"));
}

// KRN_PALETTE=dark shows the program in Fusion with a dark palette, to see it as a dark
// desktop theme would, where the platform offers none.
void applyPaletteSwitch()
{
    if (qEnvironmentVariable("KRN_PALETTE").compare(u"dark", Qt::CaseInsensitive) != 0)
        return;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(53, 53, 56));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(53, 53, 56));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    dark.setColor(QPalette::Light, QColor(80, 80, 84));
    dark.setColor(QPalette::Midlight, QColor(66, 66, 70));
    dark.setColor(QPalette::Dark, QColor(25, 25, 27));
    dark.setColor(QPalette::Mid, QColor(40, 40, 43));
    dark.setColor(QPalette::Shadow, Qt::black);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
    QApplication::setPalette(dark);
}

// Prints the events without a display; the same housekeeping, settings and load as the window.
int listEvents(int argc, char* argv[], const QString& folderOption)
{
    QCoreApplication application(argc, argv);
    nameApplication();
    const QString folder = resolveDataFolder(folderOption, QCoreApplication::applicationDirPath());
    SingleInstance instance(folder);
    const bool owner = instance.acquire();
    if (owner)
        installShippedFiles(folder, shippedFiles);
    const auto now = Moment::fromDateTime(SystemClock().now());
    if (!now)
        return 1;
    const QString table = eventsListing(folder, *now, QLocale::system(), owner);
    std::fputs(table.toUtf8().constData(), stdout);
    return 0;
}

int runWindow(int argc, char* argv[], const QString& folderOption)
{
    QApplication application(argc, argv);
    nameApplication();
    applyPaletteSwitch();
    const QString folder = resolveDataFolder(folderOption, QCoreApplication::applicationDirPath());
    SystemClock clock;
    QtMessageBoxes boxes;
    QtDesktop desktop;
    QtTray tray;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kronvel-256.png")));
    const auto self = mdlPubSelf::Main(folder, clock, boxes, desktop, shippedFiles, &tray);
    if (!self)
        return 0; // another Kronvel has this folder: end silently
    TerminationSignal termination;
    QObject::connect(&termination, &TerminationSignal::received, &self->window(), &QWidget::close);
    return application.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = parseCommandLine(arguments);
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::fputs(qPrintable(commandLine.text), stdout);
        return 0;
    case CommandLine::Action::Error:
        std::fputs(qPrintable(commandLine.text), stderr);
        return 2;
    case CommandLine::Action::List:
        return listEvents(argc, argv, commandLine.dataFolder);
    case CommandLine::Action::Exchange:
        return runExchangeCommand(argc, argv, commandLine.exchange, commandLine.dataFolder, shippedFiles);
    case CommandLine::Action::Run:
        break;
    }
    return runWindow(argc, argv, commandLine.dataFolder);
}
