#pragma once

#include "core/EventRecord.h"
#include "stores/KeptEventLines.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class FileSystem;
class TextLineFile;

// The events file: one event per line, the name, a tab and the date-time text. The events
// list is the only copy in memory; every change is written through at once, line by line.
class EventsFile
{
public:
    // kept, when given, keeps the file's lines from one read to the next, so that a read after
    // a change reads only the changed lines.
    EventsFile(QString folder, const TextLineFile& lines, const FileSystem& fileSystem,
        KeptEventLines* kept = nullptr);

    QString path() const;

    // Reads the events, writing the two sample events into a file without lines first.
    // A line whose name repeats an earlier one (ignoring case and surrounding blanks) stays in
    // the file but is not read; a line without a tab or with an unreadable date is skipped.
    // Each event is typed "Past" when it lies before now, else "Future".
    bool load(QVector<EventRecord>& events, const Moment& now, QString* error = nullptr) const;
    // The events as load lists them and the number of lines, without writing the sample
    // events; a missing file has no lines. No value, with the reason, when it cannot be read.
    std::optional<KeptEventLines::Read> read(const Moment& now, QString* error = nullptr) const;

    bool append(const QString& name, const QString& dateTimeText, QString* error = nullptr) const;
    bool remove(const QString& name, QString* error = nullptr) const;
    // Removes the lines of all these events in one write; the file keeps them all on failure.
    bool remove(const QStringList& names, QString* error = nullptr) const;
    // A changed event: its old line (the first with that name) goes and the new one ends the
    // file, in one write; a later line of the same name stays untouched.
    bool change(const QString& oldName, const QString& name, const QString& dateTimeText,
        QString* error = nullptr) const;
    // Leaves the file existing and empty.
    bool clear(QString* error = nullptr) const;

    // A byte-for-byte copy of the events file, with normal attributes.
    bool saveAs(const QString& destination, QString* error = nullptr) const;
    // Replaces the events file with a copy of source, taken unexamined; the caller reloads.
    bool replaceWith(const QString& source, QString* error = nullptr) const;

private:
    QString m_folder;
    const TextLineFile& m_lines;
    const FileSystem& m_fileSystem;
    KeptEventLines* m_kept;
};
