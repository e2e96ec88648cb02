#include "components/ProfileFile.h"

#include "components/FileReplace.h"
#include "components/ProfileParser.h"
#include "components/RawLines.h"

#include <QIODevice>

namespace ProfileFile {

namespace {

// A file that cannot be read (or is no regular file) reads as empty, as a missing one does.
QByteArray readBytes(const QString& path)
{
    QByteArray bytes;
    FileReplace::readAll(path, &bytes, nullptr);
    return bytes;
}

QString readText(const QByteArray& bytes, const QString& section, const QString& key)
{
    const QList<ProfileLine> lines = ProfileParser::parse(RawLines::split(bytes).texts());
    const qsizetype sectionLine = ProfileParser::findSection(lines, section);
    if (sectionLine < 0)
        return QString();
    const qsizetype keyLine = ProfileParser::findKey(lines, sectionLine, key);
    return keyLine < 0 ? QString() : lines[keyLine].value;
}

QList<std::pair<QString, QString>> readSection(const QByteArray& bytes, const QString& section)
{
    return ProfileParser::entries(ProfileParser::parse(RawLines::split(bytes).texts()), section);
}

bool isBlank(const RawLines& file, qsizetype line)
{
    return file.text(line).trimmed().isEmpty();
}

// Puts one value into the file's lines; false when the file already holds it as written.
bool put(RawLines& file, const QString& section, const QString& key, const QString& value)
{
    const QList<ProfileLine> lines = ProfileParser::parse(file.texts());
    const qsizetype sectionLine = ProfileParser::findSection(lines, section);
    if (sectionLine < 0) {
        if (!file.lines.isEmpty() && !isBlank(file, file.lines.size() - 1))
            file.append(QString());
        file.append(u'[' + section.trimmed() + u']');
        file.append(key.trimmed() + u'=' + value);
        return true;
    }
    const qsizetype keyLine = ProfileParser::findKey(lines, sectionLine, key);
    if (keyLine >= 0) {
        // The key keeps the spelling the file gives it; only the value changes.
        const QString changed = lines[keyLine].name + u'=' + value;
        if (file.text(keyLine) == changed)
            return false;
        file.setText(keyLine, changed);
        return true;
    }
    // After the section's last non-blank line, so blank lines stay between sections.
    qsizetype at = ProfileParser::sectionEnd(lines, sectionLine);
    while (at > sectionLine + 1 && isBlank(file, at - 1))
        --at;
    file.insert(at, key.trimmed() + u'=' + value);
    return true;
}

} // namespace

QString readText(const QString& path, const QString& section, const QString& key)
{
    return readText(readBytes(path), section, key);
}

QString readText(QIODevice& device, const QString& section, const QString& key)
{
    return readText(device.readAll(), section, key);
}

QList<std::pair<QString, QString>> readSection(const QString& path, const QString& section)
{
    return readSection(readBytes(path), section);
}

QList<std::pair<QString, QString>> readSection(QIODevice& device, const QString& section)
{
    return readSection(device.readAll(), section);
}

bool writeText(
    const QString& path, const QString& section, const QString& key, const QString& value, QString* error)
{
    return writeTexts(path, { { section, key, value } }, error);
}

bool writeTexts(const QString& path, const QList<ProfileEntry>& entries, QString* error)
{
    QByteArray bytes;
    if (!FileReplace::readAll(path, &bytes, error))
        return false;
    RawLines file = RawLines::split(bytes);
    bool changed = false;
    for (const ProfileEntry& entry : entries)
        changed = put(file, entry.section, entry.key, entry.value) || changed;
    if (!file.lines.isEmpty() && file.lines.back().end.isEmpty()) {
        file.lines.back().end = file.ending; // a written profile ends every line
        changed = true;
    }
    if (!changed)
        return true;
    return FileReplace::replace(path, file.join(), error);
}

} // namespace ProfileFile
