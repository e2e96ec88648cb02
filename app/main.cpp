#include "app/CommandLine.h"

#include <QApplication>
#include <cstdio>

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
    case CommandLine::Action::Run:
        break;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kronvel"));
    QApplication::setOrganizationName(QStringLiteral("Kronvel"));
    return 0;
}
