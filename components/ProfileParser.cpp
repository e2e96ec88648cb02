#include "components/ProfileParser.h"

namespace ProfileParser {

namespace {

QString withoutQuotes(const QString& value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

ProfileLine parse(const QString& rawLine)
{
    ProfileLine line;
    const QString text = rawLine.trimmed();
    if (text.startsWith(u'[')) {
        const qsizetype close = text.lastIndexOf(u']');
        if (close > 0) {
            line.kind = ProfileLine::Kind::Section;
            line.name = text.mid(1, close - 1).trimmed();
        }
        return line;
    }
    const qsizetype equals = text.indexOf(u'=');
    if (equals > 0) {
        line.kind = ProfileLine::Kind::Entry;
        line.name = text.left(equals).trimmed();
        line.value = withoutQuotes(text.mid(equals + 1).trimmed());
    } else if (equals < 0 && !text.isEmpty()) {
        line.kind = ProfileLine::Kind::Bare;
        line.name = text;
    }
    return line;
}

QList<ProfileLine> parse(const QStringList& rawLines)
{
    QList<ProfileLine> lines;
    lines.reserve(rawLines.size());
    for (const QString& raw : rawLines)
        lines.append(parse(raw));
    return lines;
}

qsizetype findSection(const QList<ProfileLine>& lines, const QString& section)
{
    const QString wanted = section.trimmed();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == ProfileLine::Kind::Section
            && lines[i].name.compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype sectionEnd(const QList<ProfileLine>& lines, qsizetype sectionLine)
{
    qsizetype i = sectionLine + 1;
    while (i < lines.size() && lines[i].kind != ProfileLine::Kind::Section)
        ++i;
    return i;
}

qsizetype findKey(const QList<ProfileLine>& lines, qsizetype sectionLine, const QString& key)
{
    const QString wanted = key.trimmed();
    const qsizetype end = sectionEnd(lines, sectionLine);
    for (qsizetype i = sectionLine + 1; i < end; ++i) {
        if ((lines[i].kind == ProfileLine::Kind::Entry || lines[i].kind == ProfileLine::Kind::Bare)
            && lines[i].name.compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QList<std::pair<QString, QString>> entries(const QList<ProfileLine>& lines, const QString& section)
{
    QList<std::pair<QString, QString>> found;
    const qsizetype sectionLine = findSection(lines, section);
    if (sectionLine < 0)
        return found;
    const qsizetype end = sectionEnd(lines, sectionLine);
    for (qsizetype i = sectionLine + 1; i < end; ++i) {
        if (lines[i].kind == ProfileLine::Kind::Entry && findKey(lines, sectionLine, lines[i].name) == i)
            found.append({ lines[i].name, lines[i].value });
    }
    return found;
}

} // namespace ProfileParser
