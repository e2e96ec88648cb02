#include "stores/WorksFile.h"

#include "components/TextLineFile.h"
#include "core/Moment.h"
#include "core/WorkRecord.h"
#include "platform/FileSystem.h"

#include <QSet>

namespace {

const QString tab = QStringLiteral("\t");

} // namespace

WorksFile::WorksFile(QString path, const TextLineFile& lines, const FileSystem& fileSystem)
    : m_path(std::move(path))
    , m_lines(lines)
    , m_fileSystem(fileSystem)
{
}

bool WorksFile::load(QVector<WorkRecord>* works, const Moment& now, QString* error) const
{
    works->clear();
    bool ok = true;
    if (m_lines.countLines(m_path) < 1)
        ok = append(WorkRecord::startedAt(QStringLiteral("Test work"), now), error);
    const auto lines = TextLineFile::readLines(m_path, ok ? error : nullptr);
    if (!lines)
        return false;
    QSet<QString> names;
    for (const QString& line : *lines) {
        if (line.isEmpty())
            continue;
        WorkRecord work = WorkRecord::fromLine(line);
        const QString key = work.name.trimmed().toCaseFolded();
        if (names.contains(key))
            continue;
        names.insert(key);
        works->push_back(std::move(work));
    }
    return ok;
}

bool WorksFile::append(const WorkRecord& work, QString* error) const
{
    return m_lines.appendLine(m_path, work.line(), error);
}

bool WorksFile::rename(const QString& oldName, const QString& newName, QString* error) const
{
    return m_lines.renameKey(m_path, oldName, newName, tab, TextLineFile::Binary, error);
}

bool WorksFile::remove(const QStringList& names, QString* error) const
{
    return m_lines.removeKeyedLines(m_path, names, tab, TextLineFile::Binary, error);
}

bool WorksFile::rewrite(const WorkRecord& work, QString* error) const
{
    return m_lines.replaceKeyedLine(m_path, work.name, work.line(), tab, TextLineFile::Binary, error);
}

bool WorksFile::rewrite(const QVector<WorkRecord>& works, QString* error) const
{
    if (works.isEmpty())
        return true;
    QList<TextLineFile::KeyedLine> lines;
    lines.reserve(works.size());
    for (const WorkRecord& work : works)
        lines.append({ work.name, work.line() });
    return m_lines.replaceKeyedLines(m_path, lines, tab, TextLineFile::Binary, error);
}

bool WorksFile::clear(QString* error) const
{
    // Emptied in one replacement, never deleted first: a crash leaves the old file or the
    // empty one, and a link stays a link.
    return m_fileSystem.createTextFile(m_path, true, error);
}
