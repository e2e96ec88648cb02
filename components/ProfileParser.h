#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One line of a profile file as the Windows profile functions see it.
struct ProfileLine
{
    enum class Kind { Other, Section, Entry };
    Kind kind = Kind::Other;
    QString name; // section or key name, trimmed
    QString value; // entry value, trimmed, one pair of enclosing quotes removed
};

namespace ProfileParser {

ProfileLine parse(const QByteArray& rawLine);
QList<ProfileLine> parse(const QList<QByteArray>& rawLines);

// The line of the first section with that name (case ignored); -1 when there is none.
qsizetype findSection(const QList<ProfileLine>& lines, const QString& section);
// The line after the last line of the section whose header is at sectionLine.
qsizetype sectionEnd(const QList<ProfileLine>& lines, qsizetype sectionLine);
// The first entry with that key (case ignored) in the section; -1 when there is none.
qsizetype findKey(const QList<ProfileLine>& lines, qsizetype sectionLine, const QString& key);

} // namespace ProfileParser
