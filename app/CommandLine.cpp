#include "app/CommandLine.h"

#include <KronvelVersion.h>
#include <QCommandLineParser>

namespace {

// Qt's own options for windowed programs (QGuiApplication, QApplication and the X11
// platform), each with whether it takes a value.
struct QtOption
{
    const char* name;
    bool takesValue;
};
constexpr QtOption qtOwnOptions[] = {
    { "platform", true },
    { "platformpluginpath", true },
    { "platformtheme", true },
    { "plugin", true },
    { "qmljsdebugger", true },
    { "qwindowgeometry", true },
    { "qwindowicon", true },
    { "qwindowtitle", true },
    { "reverse", false },
    { "session", true },
    { "style", true },
    { "stylesheet", true },
    { "widgetcount", false },
    { "display", true },
    { "geometry", true },
    { "name", true },
    { "title", true },
    { "visual", true },
    { "nograb", false },
    { "dograb", false },
    { "sync", false },
};

const QString programName = QStringLiteral("krn");

QString errorText(const QString& line)
{
    return programName % u": " % line % u"\nTry '" % programName % u" --help' for more information.\n";
}

} // namespace

QString versionText()
{
    return QStringLiteral(KRN_VERSION_TEXT);
}

CommandLine parseCommandLine(const QStringList& arguments, QtOptions qtOptions)
{
    QCommandLineParser parser;
    // "-style Fusion" and "-reverse" are words, as Qt's own options are, never letter bundles.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Kronvel keeps a list of named events and counts the time since or until each, live."));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
        QStringLiteral("Keep the settings, events and works in <folder>."), QStringLiteral("folder"));
    const QCommandLineOption list(QStringLiteral("list"),
        QStringLiteral("Print the events with their counters as tab-separated lines "
                       "and exit, without opening a window."));
    const QCommandLineOption help(
        { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(
        { QStringLiteral("v"), QStringLiteral("version") }, QStringLiteral("Show the version and exit."));
    parser.addOptions({ dataDir, list, help, version });
    parser.addOptions(exchangeOptions());
    if (qtOptions == QtOptions::StillThere) {
        for (const QtOption& qt : qtOwnOptions) {
            QCommandLineOption option(QString::fromLatin1(qt.name));
            if (qt.takesValue)
                option.setValueName(QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Error;
        result.text = errorText(parser.errorText());
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Error;
        result.text = errorText(u"unexpected argument '" % parser.positionalArguments().first() % u"'");
        return result;
    }
    result.dataFolder = parser.value(dataDir);
    QString exchangeError;
    result.exchange = exchangeRequest(parser, parser.isSet(list), &exchangeError);
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
        // Named as the program is, however it was started (build/bin/krn, /usr/bin/krn).
        const QString help = parser.helpText();
        result.text = u"Usage: " % programName % u" [options]" % help.mid(help.indexOf(u'\n'))
            + QStringLiteral("\nQt's own options, such as -style, -platform and -reverse, are accepted "
                             "too.\nSee krn(1) for the data folder and its files.\n");
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = QStringLiteral("Kronvel ") % versionText() % u'\n';
    } else if (!exchangeError.isEmpty()) {
        result.action = CommandLine::Action::Error;
        result.text = errorText(exchangeError);
    } else if (result.exchange.kind != ExchangeRequest::Kind::None) {
        result.action = CommandLine::Action::Exchange;
    } else if (parser.isSet(list)) {
        result.action = CommandLine::Action::List;
    }
    return result;
}

bool needsNoWindow(const QStringList& arguments)
{
    return parseCommandLine(arguments, QtOptions::StillThere).action != CommandLine::Action::Run;
}
