#include "stores/ReminderSettingsFile.h"

#include "components/ProfileFile.h"

#include <QStringList>
#include <algorithm>

namespace {

const QString section = QStringLiteral("Reminders");
constexpr int mostDaysAhead = 3650;

struct Flag
{
    const char* key;
    bool ReminderChoices::*field;
};

constexpr Flag flags[] = {
    { "Due", &ReminderChoices::due },
    { "Ahead", &ReminderChoices::ahead },
    { "Anniversary", &ReminderChoices::anniversaries },
    { "AnniversaryEve", &ReminderChoices::anniversaryEve },
    { "Round", &ReminderChoices::roundNumbers },
};

const QString daysKey = QStringLiteral("AheadDays");

} // namespace

namespace ReminderSettingsFile {

ReminderChoices read(const QString& path)
{
    ReminderChoices choices;
    const auto values = ProfileFile::readSection(path, section);
    const auto valueOf = [&values](const QString& key) {
        for (const auto& [name, value] : values) {
            if (name.compare(key, Qt::CaseInsensitive) == 0)
                return value;
        }
        return QString();
    };
    for (const Flag& flag : flags) {
        const QString value = valueOf(QString::fromLatin1(flag.key)).toUpper();
        if (value == u"Y" || value == u"N")
            choices.*flag.field = value == u"Y";
    }
    if (const auto days = parseDays(valueOf(daysKey)))
        choices.aheadDays = *days;
    return choices;
}

bool write(const QString& path, const ReminderChoices& choices, QString* error)
{
    // One replacement of the file: the choices are kept all together or not at all.
    QList<ProfileFile::ProfileEntry> entries;
    for (const Flag& flag : flags) {
        entries.append({ section, QString::fromLatin1(flag.key),
            choices.*flag.field ? QStringLiteral("Y") : QStringLiteral("N") });
    }
    entries.append({ section, daysKey, daysText(choices.aheadDays) });
    return ProfileFile::writeTexts(path, entries, error);
}

std::optional<QList<int>> parseDays(const QString& text)
{
    QList<int> days;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int day = part.trimmed().toInt(&ok);
        if (!ok || day < 1 || day > mostDaysAhead)
            return std::nullopt;
        days.append(day);
    }
    if (days.isEmpty())
        return std::nullopt;
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

QString daysText(const QList<int>& days)
{
    QStringList parts;
    for (int day : days)
        parts << QString::number(day);
    return parts.join(QStringLiteral(", "));
}

} // namespace ReminderSettingsFile
