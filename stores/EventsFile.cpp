#include "stores/EventsFile.h"

#include "components/TextLineFile.h"
#include "platform/DataFolder.h"
#include "platform/FileAttributes.h"
#include "platform/FileSystem.h"
#include "stores/DataFiles.h"

namespace {

const QString tab = QStringLiteral("\t");

} // namespace

EventsFile::EventsFile(
    QString folder, const TextLineFile& lines, const FileSystem& fileSystem, KeptEventLines* kept)
    : m_folder(std::move(folder))
    , m_lines(lines)
    , m_fileSystem(fileSystem)
    , m_kept(kept)
{
}

QString EventsFile::path() const
{
    return dataFilePath(m_folder, DataFileName::events);
}

bool EventsFile::load(QVector<EventRecord>& events, const Moment& now, QString* error) const
{
    events.clear();
    auto read = this->read(now);
    bool ok = true;
    if (!read || read->lineCount < 1) {
        ok = m_lines.appendLine(path(), u"Birth (for test)" % tab % u"1975/09/21 00:00:00", error)
            && m_lines.appendLine(path(), u"Marrying (for test)" % tab % u"2010/01/01 12:00:00", error);
        read = this->read(now, ok ? error : nullptr);
    }
    if (!read)
        return false;
    events = std::move(read->events);
    return ok;
}

std::optional<KeptEventLines::Read> EventsFile::read(const Moment& now, QString* error) const
{
    KeptEventLines once;
    return (m_kept ? *m_kept : once).read(path(), now, error);
}

bool EventsFile::append(const QString& name, const QString& dateTimeText, QString* error) const
{
    return m_lines.appendLine(path(), name % tab % dateTimeText, error);
}

bool EventsFile::remove(const QString& name, QString* error) const
{
    return m_lines.removeKeyedLine(path(), name, tab, TextLineFile::Binary, error);
}

bool EventsFile::remove(const QStringList& names, QString* error) const
{
    return m_lines.removeKeyedLines(path(), names, tab, TextLineFile::Binary, error);
}

bool EventsFile::change(
    const QString& oldName, const QString& name, const QString& dateTimeText, QString* error) const
{
    return m_lines.replaceKeyedLine(
        path(), oldName, name % tab % dateTimeText, tab, TextLineFile::Binary, error);
}

bool EventsFile::clear(QString* error) const
{
    // Emptied in one replacement, never deleted first: a crash leaves the old file or the
    // empty one, and a link stays a link. A read-only file is refused as a delete would be.
    return m_fileSystem.createTextFile(path(), true, error);
}

bool EventsFile::saveAs(const QString& destination, QString* error) const
{
    // A destination that does not exist yet has no attributes to clear.
    m_fileSystem.setAttributes(destination, FileAttribute::Normal);
    if (!m_fileSystem.copyFile(path(), destination, true, error))
        return false;
    return m_fileSystem.setAttributes(destination, FileAttribute::Normal, error);
}

bool EventsFile::replaceWith(const QString& source, QString* error) const
{
    m_fileSystem.setAttributes(path(), FileAttribute::Normal);
    return m_fileSystem.copyFile(source, path(), true, error);
}
