#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QIODevice;
class WriteWatch;

// Edits plain text files line by line. A line is a text ended by a line break; a key is the
// text of a line before the first separator. A line ends at CRLF, LF or a lone CR. The file
// keeps its encoding and line breaks (RawLines): lines a change does not touch keep their
// bytes, new lines get the file's break (LF for a new file). Every change replaces the file
// atomically, so a failed write leaves the old file whole.
class TextLineFile
{
public:
    enum Compare { Binary = 0, Text = 1 };

    // The number of lines; 0 when the file holds none or cannot be read.
    int countLines(const QString& path) const;
    bool appendLine(const QString& path, const QString& line, QString* error = nullptr) const;
    // Removes every line with that key; the other lines keep their order.
    bool removeKeyedLine(const QString& path, const QString& key, const QString& separator, int compare,
        QString* error = nullptr) const;
    // Removes every line whose key is one of keys, in one write: removing many records costs
    // one pass over the file, not one per record.
    bool removeKeyedLines(const QString& path, const QStringList& keys, const QString& separator, int compare,
        QString* error = nullptr) const;
    // A line to put at the end of the file in place of the first line keyed key.
    struct KeyedLine
    {
        QString key;
        QString line;
    };
    // Removes the first line with that key and appends line as the new last line, in one
    // write, so a changed record moves to the end without ever being missing from the file.
    // Later lines with the same key stay as they were.
    bool replaceKeyedLine(const QString& path, const QString& key, const QString& line,
        const QString& separator, int compare, QString* error = nullptr) const;
    // Each replacement in turn, as replaceKeyedLine would make them one after the other, in
    // one pass over the file and one write: changing many records costs what one costs.
    bool replaceKeyedLines(const QString& path, const QList<KeyedLine>& replacements,
        const QString& separator, int compare, QString* error = nullptr) const;
    // The line keyed oldKey is keyed newKey, the rest of it unchanged, in its place.
    bool renameKey(const QString& path, const QString& oldKey, const QString& newKey,
        const QString& separator, int compare, QString* error = nullptr) const;

    // Every line of the file, decoded; no value when the file cannot be read.
    static std::optional<QStringList> readLines(const QString& path, QString* error = nullptr);
    static QStringList readLines(QIODevice& device);

    // Told about every write from now on; none by default.
    void setWriteWatch(WriteWatch* watch) { m_watch = watch; }

private:
    bool replaceNoted(const QString& path, const QByteArray& bytes, QString* error) const;

    WriteWatch* m_watch = nullptr;
};
