#include "components/TextSet.h"

#include "components/FileReplace.h"
#include "components/ProfileParser.h"
#include "components/RawLines.h"
#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <optional>

namespace TextSet {

namespace {

using Lines = QList<ProfileLine>;

Lines parse(const QString& path)
{
    QByteArray bytes;
    // Shipped files are resources, which the data folder's reader (regular files only) does not open.
    if (path.startsWith(u':')) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
    } else {
        FileReplace::readAll(path, &bytes, nullptr);
    }
    return ProfileParser::parse(RawLines::split(bytes).texts());
}

std::optional<QString> find(const Lines& lines, const QString& section, const QString& key)
{
    const qsizetype sectionLine = ProfileParser::findSection(lines, section);
    if (sectionLine < 0)
        return std::nullopt;
    const qsizetype keyLine = ProfileParser::findKey(lines, sectionLine, key);
    if (keyLine < 0)
        return std::nullopt;
    return lines[keyLine].value;
}

// English first, so that a tie keeps English.
QStringList shippedSets()
{
    const QString english = QString::fromUtf16(englishSet);
    QStringList sets { english };
    const QStringList others
        = QDir(QStringLiteral(":/"))
              .entryList({ QFileInfo(english).fileName() + u"-*" }, QDir::Dirs, QDir::Name);
    for (const QString& name : others)
        sets << u":/" + name;
    return sets;
}

// Every text of a file under its section and key, both in lower case; the first of twins wins.
QHash<QString, QString> textsByKey(const Lines& lines)
{
    QHash<QString, QString> texts;
    QString section;
    for (const ProfileLine& line : lines) {
        if (line.kind == ProfileLine::Kind::Section)
            section = line.name.toLower();
        else if (line.kind == ProfileLine::Kind::Entry
            && !texts.contains(section + u'\n' + line.name.toLower()))
            texts.insert(section + u'\n' + line.name.toLower(), line.value);
    }
    return texts;
}

// How many of the file's texts the shipped file gives word for word.
int sharedTexts(const Lines& own, const Lines& shipped)
{
    const QHash<QString, QString> given = textsByKey(shipped);
    int shared = 0;
    QString section;
    for (const ProfileLine& line : own) {
        if (line.kind == ProfileLine::Kind::Section)
            section = line.name.toLower();
        else if (line.kind == ProfileLine::Kind::Entry && !line.value.isEmpty()
            && given.value(section + u'\n' + line.name.toLower()) == line.value)
            ++shared;
    }
    return shared;
}

QString bestSet(const Lines& own, const QString& fileName)
{
    QString best = QString::fromUtf16(englishSet);
    int bestShared = -1;
    for (const QString& set : shippedSets()) {
        const QString shippedFile = set + u'/' + fileName;
        if (!QFileInfo::exists(shippedFile))
            continue;
        const int shared = sharedTexts(own, parse(shippedFile));
        if (shared > bestShared) {
            best = set;
            bestShared = shared;
        }
    }
    return best;
}

Lines shippedCounterpart(const Lines& own, const QString& path)
{
    const QString fileName = QFileInfo(path).fileName().toLower();
    return parse(bestSet(own, fileName) + u'/' + fileName);
}

} // namespace

QString setOf(const QString& path)
{
    return bestSet(parse(path), QFileInfo(path).fileName().toLower());
}

QString setForFolder(const QString& folder, const QLocale& locale)
{
    const QString tips = dataFilePath(folder, QStringLiteral("tips.dll"));
    if (QFileInfo::exists(tips))
        return setOf(tips);
    return shippedTextSet(folder, QString::fromUtf16(englishSet), locale);
}

QString readText(const QString& path, const QString& section, const QString& key)
{
    const Lines own = parse(path);
    if (const auto text = find(own, section, key))
        return *text;
    return find(shippedCounterpart(own, path), section, key).value_or(QString());
}

QList<std::pair<QString, QString>> readSection(const QString& path, const QString& section)
{
    const Lines own = parse(path);
    QList<std::pair<QString, QString>> entries = ProfileParser::entries(own, section);
    const Lines shipped = shippedCounterpart(own, path);
    for (const auto& entry : ProfileParser::entries(shipped, section)) {
        if (!find(own, section, entry.first))
            entries.append(entry);
    }
    return entries;
}

} // namespace TextSet
