#include "app/CommandLine.h"

#include <QCommandLineParser>

QString versionText()
{
    return QStringLiteral("Version 2.21 Build 20080613#13");
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
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

    // Parsing runs before the application object exists, so the program's name is given here.
    const QString helpText
        = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("krn"));
    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Error;
        result.text = parser.errorText() % u"\n\n" % helpText;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Error;
        result.text = QStringLiteral("Unexpected argument: ") % parser.positionalArguments().first() % u"\n\n"
            % helpText;
        return result;
    }
    result.dataFolder = parser.value(dataDir);
    QString exchangeError;
    result.exchange = exchangeRequest(parser, parser.isSet(list), &exchangeError);
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
        result.text = helpText;
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = QStringLiteral("Kronvel ") % versionText() % u'\n';
    } else if (!exchangeError.isEmpty()) {
        result.action = CommandLine::Action::Error;
        result.text = exchangeError % u"\n\n" % helpText;
    } else if (result.exchange.kind != ExchangeRequest::Kind::None) {
        result.action = CommandLine::Action::Exchange;
    } else if (parser.isSet(list)) {
        result.action = CommandLine::Action::List;
    }
    return result;
}
