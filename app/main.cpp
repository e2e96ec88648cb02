#include "app/CommandLine.h"
#include "app/EventsListing.h"
#include "app/ExchangeCommand.h"
#include "app/HeadlessStart.h"
#include "app/QtTranslations.h"
#include "app/TerminationSignal.h"
#include "core/Moment.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"
#include "platform/dbus/DBusNotifier.h"
#include "platform/ui/QtDesktop.h"
#include "platform/ui/QtMessageBoxes.h"
#include "platform/ui/QtTray.h"
#include "ui/main/frmPubMain.h"
#include "ui/main/mdlPubSelf.h"

#include <KronvelVersion.h>
#include <QApplication>
#include <QFileInfo>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>
#include <VantricAccessibleFactory.h>
#include <cstdio>

namespace {

const QString shippedFiles = QStringLiteral(":/shipped");

// The per-user data folder becomes ~/.local/share/kronvel: no organisation folder above it.
void nameApplication()
{
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("kronvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KRN_VERSION));
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
int listEvents(const QString& folderOption)
{
    const auto start = startWithoutWindow(folderOption, shippedFiles);
    if (!start)
        return 1;
    const QString& folder = start->folder;
    const bool owner = start->owner;
    const auto now = Moment::fromDateTime(SystemClock().now());
    if (!now)
        return 1;
    QString table;
    QStringList errors;
    const bool read = eventsListing(folder, *now, QLocale::system(), owner, &table, &errors);
    // Written by size: a name may hold a NUL byte, and every row is printed whole.
    const QByteArray bytes = table.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    for (const QString& error : errors)
        std::fputs(qPrintable(u"krn: " % error % u'\n'), stderr);
    return read ? 0 : 1;
}

// Help, version, the listing, or a mistake on the command line: no window, no display.
int runWithoutWindow(const CommandLine& commandLine)
{
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::fputs(qPrintable(commandLine.text), stdout);
        return 0;
    case CommandLine::Action::Error:
        std::fputs(qPrintable(commandLine.text), stderr);
        return 2;
    case CommandLine::Action::List:
        return listEvents(commandLine.dataFolder);
    case CommandLine::Action::Exchange:
        return runExchangeCommand(commandLine.exchange, commandLine.dataFolder, shippedFiles);
    case CommandLine::Action::Run:
        break;
    }
    return 0;
}

int runWindow(const QString& folderOption)
{
    // Docks and task bars match the window to its desktop entry, for the icon and the name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KRN_APP_ID));
    applyPaletteSwitch();
    // Screen readers see every Vantric as a push button they can name and press.
    Orvane::installVantricAccessibility();
    QTranslator qtTexts;
    loadQtTranslations(qtTexts, QLocale::system());
    // Kronvel ends through the main window's unload alone: closing the last visible window
    // (the help window while the main window is in the tray) must not end it, and an unload
    // of a hidden main window (SIGTERM while in the tray) must.
    QApplication::setQuitOnLastWindowClosed(false);
    const QString folder = resolveDataFolder(folderOption, QCoreApplication::applicationDirPath());
    SystemClock clock;
    QtMessageBoxes boxes;
    QtDesktop desktop;
    QtTray tray;
    // The installed theme icon where there is one, else the icon built into the program.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral(KRN_APP_ID), QIcon(QStringLiteral(":/icons/kronvel-256.png"))));
    // Listening before the first box can open: a stop during the start closes that box, and
    // then the window, the ordinary way, instead of killing the program.
    // A box the start opens after the stop is closed as well, so the start runs to its end.
    TerminationSignal termination;
    bool stopping = false;
    QTimer boxCloser;
    boxCloser.setInterval(50);
    QObject::connect(&boxCloser, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    QObject::connect(&termination, &TerminationSignal::received, [&stopping, &boxCloser] {
        stopping = true;
        boxCloser.start();
        QApplication::closeAllWindows();
    });
    // The installed icon and desktop entry are named after the application's id.
    DBusNotifier notifier(QStringLiteral("Kronvel"), QStringLiteral(KRN_APP_ID), QStringLiteral(KRN_APP_ID),
        QImage(QStringLiteral(":/icons/kronvel-64.png")));
    const auto self = mdlPubSelf::Main(folder, clock, boxes, desktop, shippedFiles, &tray, &notifier);
    if (!self) {
        // Another Kronvel has this folder: its window comes to the front, and this start ends.
        SingleInstance::askOwnerToActivate(folder);
        return 0;
    }
    frmPubMain& window = self->window();
    if (stopping) {
        window.close();
        return 0;
    }
    QObject::connect(&self->instance(), &SingleInstance::activationRequested, &window,
        [&window] { mdlPubSelf::bringToFront(window); });
    self->instance().listenForActivation();
    // From here on a stop unloads the main window even where it is hidden in the tray.
    QObject::connect(&termination, &TerminationSignal::received, &window, &QWidget::close);
    QObject::connect(&window, &frmPubMain::unloaded, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (needsNoWindow(arguments)) {
        QCoreApplication application(argc, argv);
        nameApplication();
        return runWithoutWindow(parseCommandLine(QCoreApplication::arguments(), QtOptions::StillThere));
    }
    // The command line is read once QApplication has taken Qt's own options out of it.
    QApplication application(argc, argv);
    nameApplication();
    const CommandLine commandLine = parseCommandLine(QCoreApplication::arguments(), QtOptions::Removed);
    if (commandLine.action != CommandLine::Action::Run)
        return runWithoutWindow(commandLine);
    return runWindow(commandLine.dataFolder);
}
