#pragma once

#include "app/ExchangeRequest.h"

#include <QString>
#include <QStringList>

// What the command line asks of krn.
struct CommandLine
{
    enum class Action { Run, ShowVersion, ShowHelp, List, Exchange, Error };
    Action action = Action::Run;
    QString dataFolder; // empty: the default rule
    QString text; // the help, version or error text to print
    ExchangeRequest exchange;
};

CommandLine parseCommandLine(const QStringList& arguments);

// The version text of the status bar.
QString versionText();
