#pragma once

#include "exchange/EventEntry.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

class QDateTime;

// An event of a calendar that was not taken, and why.
struct SkippedEntry
{
    QString name;
    QString reason;
};

struct CalendarContents
{
    QVector<EventEntry> events; // in the calendar's order
    QVector<SkippedEntry> skipped;
};

// The events of an iCalendar text (RFC 5545), read by libical: each VEVENT's summary and
// start. An all-day start is taken at 00:00:00; a start in UTC or in a named time zone is
// converted to this computer's local time; a start without a zone is local already. A
// repeating event, such as a birthday, is taken at its start, its first occurrence; a changed
// occurrence of one (RECURRENCE-ID) is skipped. No value, with the reason, for a text that
// holds no complete calendar.
std::optional<CalendarContents> readCalendar(const QByteArray& text, QString* error = nullptr);

// A calendar with one VEVENT per event: a UID that stays the same for the same name, the name
// as its summary, its moment as a start without a zone (local time, as every moment of the
// program is), or as an all-day date when it falls at 00:00:00. stamp is the DTSTAMP.
QByteArray writeCalendar(const QVector<EventEntry>& events, const QDateTime& stamp);

// A summary as an event's name: tabs, line breaks and other control characters become
// blanks (the events file separates its fields by tabs), and surrounding blanks go.
QString eventName(const QString& summary);
