#include "exchange/CalendarImport.h"

#include "components/FileReplace.h"
#include "components/TextLineFile.h"

#include <QBuffer>
#include <QFile>
#include <QSet>

namespace {

QString nameKey(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

// The names of the events file's lines: the text before the first tab of each.
QSet<QString> takenNames(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QSet<QString> names;
    for (const QString& line : TextLineFile::readLines(buffer)) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab >= 0)
            names.insert(nameKey(line.left(tab)));
    }
    return names;
}

} // namespace

std::optional<ImportResult> importCalendar(
    const QString& calendarPath, const QString& eventsPath, QString* error)
{
    QFile calendarFile(calendarPath);
    if (!calendarFile.open(QIODevice::ReadOnly)) {
        if (error)
            *error = calendarFile.errorString();
        return std::nullopt;
    }
    const auto calendar = readCalendar(calendarFile.readAll(), error);
    if (!calendar)
        return std::nullopt;
    QByteArray bytes;
    if (!FileReplace::readAll(eventsPath, &bytes, error))
        return std::nullopt;

    ImportResult result;
    result.skipped = calendar->skipped;
    QSet<QString> names = takenNames(bytes);
    for (const EventEntry& event : calendar->events) {
        const QString key = nameKey(event.name);
        if (names.contains(key)) {
            result.skipped.append({ event.name, QStringLiteral("an event of this name exists") });
            continue;
        }
        names.insert(key);
        result.added.append(event);
    }
    if (result.added.isEmpty())
        return result;

    const QByteArray lineEnd = bytes.contains("\r\n") ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += lineEnd;
    for (const EventEntry& event : result.added)
        bytes += (event.name % u'\t' % event.moment.toText()).toUtf8() + lineEnd;
    if (!FileReplace::replace(eventsPath, bytes, error))
        return std::nullopt;
    return result;
}
