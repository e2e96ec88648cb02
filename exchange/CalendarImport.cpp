#include "exchange/CalendarImport.h"

#include "components/FileReplace.h"
#include "components/RawLines.h"

#include <QFile>
#include <QSet>

namespace {

QString nameKey(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

// The names of the events file's lines: the text before the first tab of each.
QSet<QString> takenNames(const QStringList& lines)
{
    QSet<QString> names;
    for (const QString& line : lines) {
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

    // The new lines take the file's own encoding and line breaks; the others keep their bytes.
    RawLines file = RawLines::split(bytes);
    ImportResult result;
    result.skipped = calendar->skipped;
    QSet<QString> names = takenNames(file.texts());
    for (const EventEntry& event : calendar->events) {
        const QString key = nameKey(event.name);
        if (names.contains(key)) {
            result.skipped.append({ event.name, QStringLiteral("an event of this name exists") });
            continue;
        }
        names.insert(key);
        result.added.append(event);
        file.append(event.name % u'\t' % event.moment.toText());
    }
    if (!result.added.isEmpty() && !FileReplace::replace(eventsPath, file.join(), error))
        return std::nullopt;
    return result;
}
