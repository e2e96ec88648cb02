#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// One line of a profile file as the Windows profile functions see it.
struct ProfileLine
{
    // Bare: a line without "=" inside a section; it reads as an empty value and a write
    // of its key replaces it, as Windows does.
    enum class Kind { Other, Section, Entry, Bare };
    Kind kind = Kind::Other;
    QString name; // section or key name, trimmed
    QString value; // entry value, trimmed, one pair of enclosing quotes removed
};

namespace ProfileParser {

ProfileLine parse(const QString& line);
QList<ProfileLine> parse(const QStringList& lines);

// The line of the first section with that name (case ignored); -1 when there is none.
qsizetype findSection(const QList<ProfileLine>& lines, const QString& section);
// The line after the last line of the section whose header is at sectionLine.
qsizetype sectionEnd(const QList<ProfileLine>& lines, qsizetype sectionLine);
// The first entry or bare line with that key (case ignored) in the section; -1 when there
// is none.
qsizetype findKey(const QList<ProfileLine>& lines, qsizetype sectionLine, const QString& key);
// Each key of the section with its value, a repeated key by its first entry.
QList<std::pair<QString, QString>> entries(const QList<ProfileLine>& lines, const QString& section);

} // namespace ProfileParser
