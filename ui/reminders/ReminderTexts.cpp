#include "ui/reminders/ReminderTexts.h"

#include "components/TextSet.h"

#include <QStringBuilder>

namespace {

const QString section = QStringLiteral("Reminders");

QString kindKey(const Reminder& reminder)
{
    const bool one = reminder.count == 1;
    switch (reminder.kind) {
    case ReminderKind::Due:
        return QStringLiteral("Due");
    case ReminderKind::Ahead:
        return one ? QStringLiteral("AheadOne") : QStringLiteral("Ahead");
    case ReminderKind::Anniversary:
        return one ? QStringLiteral("AnniversaryOne") : QStringLiteral("Anniversary");
    case ReminderKind::AnniversaryEve:
        return one ? QStringLiteral("AnniversaryEveOne") : QStringLiteral("AnniversaryEve");
    case ReminderKind::RoundSince:
        return QStringLiteral("RoundSince");
    case ReminderKind::RoundUntil:
        return QStringLiteral("RoundUntil");
    }
    return {};
}

// Puts the values in place of %1 to %9 in one pass; a text may use any of them, or none.
QString fill(const QString& text, const QStringList& values)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype number = i + 1 < text.size() && text[i] == u'%' ? text[i + 1].digitValue() : -1;
        if (number >= 1 && number <= values.size()) {
            result += values[number - 1];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace

ReminderTexts::ReminderTexts(QString tipsPath, QLocale locale)
    : m_tipsPath(std::move(tipsPath))
    , m_locale(std::move(locale))
{
}

QString ReminderTexts::text(const QString& key) const
{
    return TextSet::readText(m_tipsPath, section, key);
}

QString ReminderTexts::number(std::int64_t value) const
{
    return m_locale.toString(qlonglong(value));
}

QString ReminderTexts::line(const DueReminder& due) const
{
    const Reminder& reminder = due.reminder;
    // %1 the event, %2 its moment, %3 the count, %4 the unit, %5 the moment it came due.
    return fill(text(kindKey(reminder)),
        { due.event.name, due.event.moment.toText(), number(reminder.count),
            text(QString::fromLatin1(unitHeader(reminder.unit))), reminder.due.toText() });
}

Notice ReminderTexts::notice(const QList<DueReminder>& due) const
{
    if (due.isEmpty())
        return {};
    if (due.size() == 1)
        return { due.first().event.name, line(due.first()), due.first().event.name };
    QStringList lines;
    for (int i = 0; i < std::min<int>(linesListed, due.size()); ++i)
        lines << line(due[i]);
    if (due.size() > linesListed)
        lines << fill(text(QStringLiteral("More")), { number(due.size() - linesListed) });
    return { fill(text(QStringLiteral("Several")), { number(due.size()) }), lines.join(u'\n'),
        due.first().event.name };
}

QString ReminderTexts::nextRoundNumber(const Reminder& reminder) const
{
    // %1 the round value, %2 its unit, %3 the moment it is reached.
    return fill(text(QStringLiteral("NextRound")),
        { number(reminder.count), text(QString::fromLatin1(unitHeader(reminder.unit))),
            reminder.due.toText() });
}
