#pragma once

#include <QString>

struct ExchangeRequest;
class Moment;
class QLocale;
class QDateTime;

// Runs an exchange request of the command line on the data folder, without a display, and
// returns the exit status. What it reads, it reads as the window's load would: the owner of
// the folder runs the housekeeping, the first-run defaults and the loads (which write the
// sample events and work into empty files); while a window holds the folder its files are
// only read, from private copies, and an import is refused. out receives what is printed,
// err the reasons of a failure.
int runExchange(const ExchangeRequest& request, const QString& folder, bool owner, const Moment& now,
    const QDateTime& stamp, const QLocale& locale, QByteArray& out, QByteArray& err);

// The process around it, once the application object exists: the data folder and its lock,
// the shipped texts, the clock, and the printing.
int runExchangeCommand(
    const ExchangeRequest& request, const QString& folderOption, const QString& shippedFiles);
