#pragma once

#include "core/ReminderScheduler.h"
#include "platform/Notifier.h"

#include <QLocale>
#include <QString>

// The words of the reminders, from section "Reminders" of tips.dll (a tips.dll of an older
// Kronvel lacks it; TextSet then reads the shipped one of its language).
class ReminderTexts
{
public:
    ReminderTexts(QString tipsPath, QLocale locale);

    // One notice for everything that came due at one check: a single reminder under the
    // event's name, several under their number with the first few listed.
    Notice notice(const QList<DueReminder>& due) const;
    // The line that tells of one reminder.
    QString line(const DueReminder& due) const;
    // "Next round number: ..." for an event's tooltip.
    QString nextRoundNumber(const Reminder& reminder) const;

    static constexpr int linesListed = 5;

private:
    QString text(const QString& key) const;
    QString number(std::int64_t value) const;

    QString m_tipsPath;
    QLocale m_locale;
};
