#pragma once

#include <QString>
#include <QStringList>

class Moment;
class QLocale;

// What "krn --list" prints: the events as the main window would list them after its load,
// one line per event: name, type, date and time and the seven counters, separated by tabs,
// the counters with the user's decimals in the given locale.
//
// owner says whether this process holds the data folder. The owner runs the window's own
// housekeeping, first-run defaults and load, writing what they write. While a window holds
// the folder, nothing is written: the events are read from a private copy of the file.
//
// False when something could not be read or written, each reason in errors; the rows that
// could be read are in table all the same.
bool eventsListing(const QString& folder, const Moment& now, const QLocale& locale, bool owner,
    QString* table, QStringList* errors);
