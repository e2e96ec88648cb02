#pragma once

#include <QList>
#include <QString>

#include <utility>

class QIODevice;

// Keyed text files with the Windows profile rules: section and key names match ignoring
// case, blanks around keys and values are trimmed, the first of duplicate sections or keys
// wins, a new key goes at the end of its section and a new section at the end of the file.
// A line ends at CRLF, LF or a lone CR; a line without "=" in a section is a key with an
// empty value that a write of that key replaces. The file keeps its encoding and line
// breaks (RawLines). The file is read anew on every call; writes replace it atomically.
namespace ProfileFile {

// The stored text; empty when the file, section or key is absent.
QString readText(const QString& path, const QString& section, const QString& key);
QString readText(QIODevice& device, const QString& section, const QString& key);

// The keys and values of a section in file order; of duplicate keys only the first.
QList<std::pair<QString, QString>> readSection(const QString& path, const QString& section);
QList<std::pair<QString, QString>> readSection(QIODevice& device, const QString& section);

struct ProfileEntry
{
    QString section;
    QString key;
    QString value;
};

// Creates a missing file, section or key. On failure the file is left as it was.
bool writeText(const QString& path, const QString& section, const QString& key, const QString& value,
    QString* error = nullptr);
// Writes every entry, in order, in one replacement of the file: afterwards it holds all
// of them or, on failure, none.
bool writeTexts(const QString& path, const QList<ProfileEntry>& entries, QString* error = nullptr);

} // namespace ProfileFile
