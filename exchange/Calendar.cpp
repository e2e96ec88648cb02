#include "exchange/Calendar.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <libical/ical.h>
#include <memory>

namespace {

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// The start as a local wall-clock moment; no value outside the program's years.
std::optional<Moment> localStart(const icaltimetype& start)
{
    if (start.is_date)
        return Moment::fromCivil(start.year, start.month, start.day);
    if (start.zone) {
        const auto seconds = qint64(icaltime_as_timet_with_zone(start, start.zone));
        return Moment::fromDateTime(QDateTime::fromSecsSinceEpoch(seconds).toLocalTime());
    }
    // No zone, or one that neither the file nor the system knows: the wall-clock time as written.
    return Moment::fromCivil(start.year, start.month, start.day, start.hour, start.minute, start.second);
}

void readEvents(icalcomponent* calendar, CalendarContents& contents)
{
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const char* summary = icalcomponent_get_summary(event);
        const QString name = eventName(QString::fromUtf8(summary ? summary : ""));
        const auto skip = [&](const char* reason) {
            contents.skipped.append({ name, QString::fromLatin1(reason) });
        };
        if (name.isEmpty()) {
            skip("it has no summary to name it");
            continue;
        }
        if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
            skip("it is a changed occurrence of a repeating event");
            continue;
        }
        const icaltimetype start = icalcomponent_get_dtstart(event);
        if (icaltime_is_null_time(start)) {
            skip("it has no readable start");
            continue;
        }
        const auto moment = localStart(start);
        if (!moment) {
            skip("its start lies outside the years 100 to 9999");
            continue;
        }
        contents.events.append({ name, *moment });
    }
}

QByteArray utf8(const QString& text)
{
    return text.toUtf8();
}

icaltimetype startOf(const Moment& moment)
{
    icaltimetype start = icaltime_null_time();
    start.year = moment.year();
    start.month = moment.month();
    start.day = moment.day();
    start.is_date = moment.hour() == 0 && moment.minute() == 0 && moment.second() == 0;
    if (!start.is_date) {
        start.hour = moment.hour();
        start.minute = moment.minute();
        start.second = moment.second();
    }
    return start;
}

// The same name, whatever its letter case or surrounding blanks, gives the same UID.
QByteArray uidOf(const QString& name)
{
    const QByteArray key = name.trimmed().toCaseFolded().toUtf8();
    return QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex() + "@kronvel";
}

} // namespace

QString eventName(const QString& summary)
{
    QString name = summary;
    for (QChar& c : name) {
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            c = u' ';
    }
    return name.trimmed();
}

std::optional<CalendarContents> readCalendar(const QByteArray& text, QString* error)
{
    QByteArray bytes = text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const Component root(bytes.trimmed().isEmpty() ? nullptr : icalparser_parse_string(bytes.constData()));
    const icalcomponent_kind kind = root ? icalcomponent_isa(root.get()) : ICAL_NO_COMPONENT;
    if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_XROOT_COMPONENT) {
        fail(error,
            QStringLiteral("it is not an iCalendar file: it holds no complete calendar "
                           "(BEGIN:VCALENDAR to END:VCALENDAR)"));
        return std::nullopt;
    }
    CalendarContents contents;
    if (kind == ICAL_VCALENDAR_COMPONENT) {
        readEvents(root.get(), contents);
        return contents;
    }
    // Several calendars in one file are read one after the other.
    bool any = false;
    for (icalcomponent* calendar = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
         calendar; calendar = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT)) {
        readEvents(calendar, contents);
        any = true;
    }
    if (!any) {
        fail(error, QStringLiteral("it is not an iCalendar file: it holds no calendar"));
        return std::nullopt;
    }
    return contents;
}

QByteArray writeCalendar(const QVector<EventEntry>& events, const QDateTime& stamp)
{
    const Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Kronvel//Kronvel 2.21//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype stampUtc
        = icaltime_from_timet_with_zone(time_t(stamp.toSecsSinceEpoch()), 0, icaltimezone_get_utc_timezone());
    for (const EventEntry& entry : events) {
        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(uidOf(entry.name).constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stampUtc));
        icalcomponent_add_property(event, icalproperty_new_summary(utf8(entry.name).constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstart(startOf(entry.moment)));
        icalcomponent_add_component(calendar.get(), event);
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray result(text);
    icalmemory_free_buffer(text);
    return result;
}
