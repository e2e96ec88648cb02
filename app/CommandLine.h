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

// Whether Qt's own options (-style, -platform, -reverse, ...) are still in the arguments.
// QApplication takes them out of the command line it is given; without a window no
// QApplication is made, so they are recognised here and passed over.
enum class QtOptions { Removed, StillThere };

// Reads krn's options in the GNU manner: an unknown option or a stray argument gives an
// Error whose text is one line and a hint to --help.
CommandLine parseCommandLine(const QStringList& arguments, QtOptions qtOptions);

// Whether the arguments ask for something that opens no window (help, version, list, or a
// mistake to report), so that no display is needed.
bool needsNoWindow(const QStringList& arguments);

// The version text of the status bar.
QString versionText();
