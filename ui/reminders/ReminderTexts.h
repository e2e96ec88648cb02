#pragma once

#include "core/ReminderScheduler.h"
#include "platform/Notifier.h"

#include <QLocale>
#include <QString>

// The words of the reminders, from section "Reminders" of tips.dll. A data folder whose
// tips.dll came with an older Kronvel lacks the section; its keys are then taken from the
// tips.dll shipped inside the program.
class ReminderTexts
{
public:
    ReminderTexts(QString tipsPath, QString shippedTipsPath, QLocale locale);

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
    QString m_shippedTipsPath;
    QLocale m_locale;
};
