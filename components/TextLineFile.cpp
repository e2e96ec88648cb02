#include "components/TextLineFile.h"

#include "components/FileReplace.h"
#include "components/RawLines.h"
#include "components/TextDecoding.h"

#include <QFile>
#include <QFileInfo>
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

bool hasKey(const QByteArray& rawLine, const QString& key, const QString& separator, int compare)
{
    return keyOf(decodeLine(rawLine), separator).compare(key, sensitivity(compare)) == 0;
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

int TextLineFile::countLines(const QString& path) const
{
    QByteArray bytes;
    if (!FileReplace::readAll(path, &bytes, nullptr))
        return 0;
    return int(RawLines::split(bytes).lines.size());
}

bool TextLineFile::appendLine(const QString& path, const QString& line, QString* error) const
{
    QByteArray bytes;
    if (!FileReplace::readAll(path, &bytes, error))
        return false;
    // Only bytes are added: the lines already there stay exactly as they were.
    const QByteArray ending = RawLines::split(bytes).ending;
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += ending;
    bytes += line.toUtf8() + ending;
    return FileReplace::replace(path, bytes, error);
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
    const qsizetype before = file.lines.size();
    file.lines.removeIf(
        [&](const QByteArray& raw) { return wanted.contains(lookup(keyOf(decodeLine(raw), separator))); });
    if (file.lines.size() == before)
        return true; // nothing to remove: the file is not touched at all
    return FileReplace::replace(path, file.join(), error);
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
    for (qsizetype i = 0; i < file.lines.size(); ++i)
        enqueue(decodeLine(file.lines[i]), i);
    std::vector<bool> removed(size_t(file.lines.size() + replacements.size()), false);
    for (const KeyedLine& replacement : replacements) {
        Queue& queue = keyed[lookup(replacement.key)];
        if (queue.next < queue.lines.size())
            removed[size_t(queue.lines[queue.next++])] = true;
        enqueue(replacement.line, file.lines.size());
        file.lines.append(replacement.line.toUtf8());
    }
    qsizetype kept = 0;
    for (qsizetype i = 0; i < file.lines.size(); ++i) {
        if (!removed[size_t(i)])
            file.lines[kept++] = std::move(file.lines[i]);
    }
    file.lines.resize(kept);
    return FileReplace::replace(path, file.join(), error);
}

bool TextLineFile::renameKey(const QString& path, const QString& oldKey, const QString& newKey,
    const QString& separator, int compare, QString* error) const
{
    RawLines file;
    if (!readFile(path, &file, error))
        return false;
    // Keys are unique, so the first line with the old key is the one meant.
    for (QByteArray& raw : file.lines) {
        if (!hasKey(raw, oldKey, separator, compare))
            continue;
        const QString line = decodeLine(raw);
        raw = (newKey + line.mid(keyOf(line, separator).size())).toUtf8();
        return FileReplace::replace(path, file.join(), error);
    }
    return true;
}

std::optional<QStringList> TextLineFile::readLines(const QString& path, QString* error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return readLines(file);
}

QStringList TextLineFile::readLines(QIODevice& device)
{
    QStringList lines;
    const RawLines file = RawLines::split(device.readAll());
    lines.reserve(file.lines.size());
    for (const QByteArray& raw : file.lines)
        lines.append(decodeLine(raw));
    return lines;
}
