#include "components/TextLineFile.h"

#include "components/FileReplace.h"
#include "components/RawLines.h"
#include "platform/FileKind.h"
#include "platform/WriteWatch.h"

#include <QHash>
#include <QIODevice>
#include <QSet>

#include <vector>

namespace {

Qt::CaseSensitivity sensitivity(int compare)
{
    return compare == TextLineFile::Text ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

// The key of a decoded line: the text before the first separator, or the whole line.
QString keyOf(const QString& line, const QString& separator)
{
    const qsizetype at = separator.isEmpty() ? -1 : line.indexOf(separator);
    return at < 0 ? line : line.left(at);
}

bool hasKey(const QString& line, const QString& key, const QString& separator, int compare)
{
    return keyOf(line, separator).compare(key, sensitivity(compare)) == 0;
}

bool readFile(const QString& path, RawLines* file, QString* error)
{
    QByteArray bytes;
    if (!FileReplace::readAll(path, &bytes, error))
        return false;
    *file = RawLines::split(bytes);
    return true;
}

} // namespace

bool TextLineFile::replaceNoted(const QString& path, const QByteArray& bytes, QString* error) const
{
    const WriteNote note(m_watch, path);
    return FileReplace::replace(path, bytes, error);
}

int TextLineFile::countLines(const QString& path) const
{
    QByteArray bytes;
    if (!FileReplace::readAll(path, &bytes, nullptr))
        return 0;
    return int(RawLines::split(bytes).lines.size());
}

bool TextLineFile::appendLine(const QString& path, const QString& line, QString* error) const
{
    RawLines file;
    if (!readFile(path, &file, error))
        return false;
    // Only bytes are added: the lines already there stay exactly as they were, unless the
    // new text makes a Windows-1252 file UTF-8.
    file.append(line);
    return replaceNoted(path, file.join(), error);
}

bool TextLineFile::removeKeyedLine(
    const QString& path, const QString& key, const QString& separator, int compare, QString* error) const
{
    return removeKeyedLines(path, QStringList { key }, separator, compare, error);
}

bool TextLineFile::removeKeyedLines(
    const QString& path, const QStringList& keys, const QString& separator, int compare, QString* error) const
{
    RawLines file;
    if (!readFile(path, &file, error))
        return false;
    // Keys compared as text are looked up case-folded, which is how a text compare matches.
    const auto lookup = [compare](const QString& key) { return compare == Text ? key.toCaseFolded() : key; };
    QSet<QString> wanted;
    wanted.reserve(keys.size());
    for (const QString& key : keys)
        wanted.insert(lookup(key));
    const QStringList texts = file.texts();
    QList<RawLines::Line> kept;
    kept.reserve(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (!wanted.contains(lookup(keyOf(texts[i], separator))))
            kept.append(file.lines[i]);
    }
    if (kept.size() == file.lines.size())
        return true; // nothing to remove: the file is not touched at all
    file.lines = kept;
    return replaceNoted(path, file.join(), error);
}

bool TextLineFile::replaceKeyedLine(const QString& path, const QString& key, const QString& line,
    const QString& separator, int compare, QString* error) const
{
    return replaceKeyedLines(path, { KeyedLine { key, line } }, separator, compare, error);
}

bool TextLineFile::replaceKeyedLines(const QString& path, const QList<KeyedLine>& replacements,
    const QString& separator, int compare, QString* error) const
{
    RawLines file;
    if (!readFile(path, &file, error))
        return false;
    const auto lookup = [compare](const QString& key) { return compare == Text ? key.toCaseFolded() : key; };
    // Every line whose key is replaced, by key, in file order; a replacement takes the first
    // one still there, so a key given twice meets the line its first replacement appended.
    struct Queue
    {
        QList<qsizetype> lines;
        qsizetype next = 0;
    };
    QHash<QString, Queue> keyed;
    keyed.reserve(replacements.size());
    for (const KeyedLine& replacement : replacements)
        keyed.insert(lookup(replacement.key), {});
    const auto enqueue = [&](const QString& line, qsizetype index) {
        const auto found = keyed.find(lookup(keyOf(line, separator)));
        if (found != keyed.end())
            found->lines.append(index);
    };
    const QStringList texts = file.texts();
    for (qsizetype i = 0; i < texts.size(); ++i)
        enqueue(texts[i], i);
    std::vector<bool> removed(size_t(file.lines.size() + replacements.size()), false);
    for (const KeyedLine& replacement : replacements) {
        Queue& queue = keyed[lookup(replacement.key)];
        if (queue.next < queue.lines.size())
            removed[size_t(queue.lines[queue.next++])] = true;
        enqueue(replacement.line, file.lines.size());
        file.append(replacement.line);
    }
    qsizetype kept = 0;
    for (qsizetype i = 0; i < file.lines.size(); ++i) {
        if (!removed[size_t(i)])
            file.lines[kept++] = std::move(file.lines[i]);
    }
    file.lines.resize(kept);
    return replaceNoted(path, file.join(), error);
}

bool TextLineFile::renameKey(const QString& path, const QString& oldKey, const QString& newKey,
    const QString& separator, int compare, QString* error) const
{
    RawLines file;
    if (!readFile(path, &file, error))
        return false;
    // Keys are unique, so the first line with the old key is the one meant.
    for (qsizetype i = 0; i < file.lines.size(); ++i) {
        const QString line = file.text(i);
        if (!hasKey(line, oldKey, separator, compare))
            continue;
        file.setText(i, newKey + line.mid(keyOf(line, separator).size()));
        return replaceNoted(path, file.join(), error);
    }
    return true;
}

std::optional<QStringList> TextLineFile::readLines(const QString& path, QString* error)
{
    if (fileKind(path) == FileKind::Missing) {
        if (error)
            *error = QStringLiteral("Cannot read %1: the file does not exist").arg(path);
        return std::nullopt;
    }
    RawLines file;
    if (!readFile(path, &file, error))
        return std::nullopt;
    return file.texts();
}

QStringList TextLineFile::readLines(QIODevice& device)
{
    return RawLines::split(device.readAll()).texts();
}
