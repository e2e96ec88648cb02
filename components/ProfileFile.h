#pragma once

#include <QList>
#include <QString>

#include <utility>

class QIODevice;

// Keyed text files with the Windows profile rules: section and key names match ignoring
// case, blanks around keys and values are trimmed, the first of duplicate sections or keys
// wins, a new key goes at the end of its section and a new section at the end of the file.
// Lines are CRLF or LF; a line that is not valid UTF-8 reads as Windows-1252.
// The file is read anew on every call; writes replace the file atomically and keep its
// line ending.
namespace ProfileFile {

// The stored text; empty when the file, section or key is absent.
QString readText(const QString& path, const QString& section, const QString& key);
QString readText(QIODevice& device, const QString& section, const QString& key);

// The keys and values of a section in file order; of duplicate keys only the first.
QList<std::pair<QString, QString>> readSection(const QString& path, const QString& section);
QList<std::pair<QString, QString>> readSection(QIODevice& device, const QString& section);

// Creates a missing file, section or key. On failure the file is left as it was.
bool writeText(const QString& path, const QString& section, const QString& key, const QString& value,
    QString* error = nullptr);

} // namespace ProfileFile
