#pragma once

#include <QString>

class Moment;

// The three states of a work, as the works file spells them.
namespace WorkStatus {
inline const QString started = QStringLiteral("Started");
inline const QString paused = QStringLiteral("Paused");
inline const QString finished = QStringLiteral("Finished");
} // namespace WorkStatus

// One work of the tracker, one line of the works file: seven fields separated by tabs.
// Fields are kept as the texts read or written, so a record rewritten unchanged writes the
// same line, whatever an older program or a hand edit put there.
struct WorkRecord
{
    // "-" stands for a moment that is not set: finished while not finished, paused at while
    // not paused.
    static inline const QString none = QStringLiteral("-");

    QString name;
    QString status;
    QString began; // date-time text
    QString finished = none;
    QString pausedSeconds = QStringLiteral("0"); // all completed pauses, whole seconds
    QString pausedAt = none;
    QString usedSeconds = QStringLiteral("0"); // net working time at its last count

    // A name as the works file can hold it: every control character (tab, line breaks and
    // the like) becomes a blank, since it would split the record, and the blanks at both ends
    // are removed.
    static QString cleanName(const QString& typed);
    // A new work, started now.
    static WorkRecord startedAt(const QString& name, const Moment& now);
    // The fields of a line in order; missing fields are empty. The began date-time is
    // written in the one date-time form when it can be read.
    static WorkRecord fromLine(const QString& line);
    QString line() const;

    bool isStarted() const { return status == WorkStatus::started; }
    bool isPaused() const { return status == WorkStatus::paused; }

    friend bool operator==(const WorkRecord&, const WorkRecord&) = default;
};
