#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;

// What the exchange options of the command line ask for: a listing in a format, the report,
// a calendar import or an export.
struct ExchangeRequest
{
    enum class Kind { None, Events, Works, Report, Import, Export };
    Kind kind = Kind::None;
    QString format = QStringLiteral("tsv"); // tsv, csv or json
    QString period; // day, week or month, for the report
    QString file; // the calendar to import, or the file to export to
};

// --format, --works, --report, --import and --export; --list is the command line's own.
QList<QCommandLineOption> exchangeOptions();

// The request of a parsed command line. Kind None when it asks for none, or for a plain --list
// (whose printing stays as it always was). An error text when the options do not fit together.
ExchangeRequest exchangeRequest(const QCommandLineParser& parser, bool list, QString* error);
