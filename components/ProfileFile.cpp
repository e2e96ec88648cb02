#include "components/ProfileFile.h"

#include "components/FileReplace.h"
#include "components/ProfileParser.h"
#include "components/RawLines.h"

#include <QFile>
#include <QIODevice>

namespace ProfileFile {

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString readText(const QByteArray& bytes, const QString& section, const QString& key)
{
    const QList<ProfileLine> lines = ProfileParser::parse(RawLines::split(bytes).lines);
    const qsizetype sectionLine = ProfileParser::findSection(lines, section);
    if (sectionLine < 0)
        return QString();
    const qsizetype keyLine = ProfileParser::findKey(lines, sectionLine, key);
    return keyLine < 0 ? QString() : lines[keyLine].value;
}

QList<std::pair<QString, QString>> readSection(const QByteArray& bytes, const QString& section)
{
    QList<std::pair<QString, QString>> entries;
    const QList<ProfileLine> lines = ProfileParser::parse(RawLines::split(bytes).lines);
    const qsizetype sectionLine = ProfileParser::findSection(lines, section);
    if (sectionLine < 0)
        return entries;
    const qsizetype end = ProfileParser::sectionEnd(lines, sectionLine);
    for (qsizetype i = sectionLine + 1; i < end; ++i) {
        if (lines[i].kind == ProfileLine::Kind::Entry
            && ProfileParser::findKey(lines, sectionLine, lines[i].name) == i)
            entries.append({ lines[i].name, lines[i].value });
    }
    return entries;
}

bool isBlank(const QByteArray& rawLine)
{
    return rawLine.trimmed().isEmpty();
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
    QByteArray bytes;
    if (!FileReplace::readAll(path, &bytes, error))
        return false;
    RawLines file = RawLines::split(bytes);
    const QList<ProfileLine> lines = ProfileParser::parse(file.lines);
    const qsizetype sectionLine = ProfileParser::findSection(lines, section);
    if (sectionLine >= 0) {
        const qsizetype keyLine = ProfileParser::findKey(lines, sectionLine, key);
        if (keyLine >= 0) {
            // The key keeps the spelling the file gives it; only the value changes.
            const QByteArray changed = (lines[keyLine].name + u'=' + value).toUtf8();
            if (changed == file.lines[keyLine] && file.lastLineEnded)
                return true;
            file.lines[keyLine] = changed;
        } else {
            // After the section's last non-blank line, so blank lines stay between sections.
            qsizetype at = ProfileParser::sectionEnd(lines, sectionLine);
            while (at > sectionLine + 1 && isBlank(file.lines[at - 1]))
                --at;
            file.lines.insert(at, (key.trimmed() + u'=' + value).toUtf8());
        }
    } else {
        if (!file.lines.isEmpty() && !isBlank(file.lines.back()))
            file.lines.append(QByteArray());
        file.lines.append((u'[' + section.trimmed() + u']').toUtf8());
        file.lines.append((key.trimmed() + u'=' + value).toUtf8());
    }
    return FileReplace::replace(path, file.join(), error);
}

} // namespace ProfileFile
