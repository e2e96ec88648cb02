#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class FileSystem;
class Moment;
class TextLineFile;
struct WorkRecord;

// The works file: one work record per line. The works list is the only copy in memory and
// every change is written through at once; each write replaces the file atomically, so a
// failed one leaves the file as it was and says why.
class WorksFile
{
public:
    WorksFile(QString path, const TextLineFile& lines, const FileSystem& fileSystem);

    const QString& path() const { return m_path; }

    // The works in file order. A file without lines is first given the sample work
    // "Test work", started now. Empty lines are skipped; a line whose name repeats an
    // earlier one (ignoring case and surrounding blanks) is skipped and stays in the file.
    // False when the sample could not be written or the file not read; works holds what
    // could be read.
    bool load(QVector<WorkRecord>* works, const Moment& now, QString* error = nullptr) const;

    bool append(const WorkRecord& work, QString* error = nullptr) const;
    // Only the name field of the line changes; the line keeps its place.
    bool rename(const QString& oldName, const QString& newName, QString* error = nullptr) const;
    // The lines of all these works go in one write.
    bool remove(const QStringList& names, QString* error = nullptr) const;
    // The work's line (the first with its name, the one the list loaded) is replaced by its
    // current fields and moves to the end, in one write; a later line of the same name stays.
    bool rewrite(const WorkRecord& work, QString* error = nullptr) const;
    // All these works' lines, replaced in this order as single rewrites would replace them,
    // in one write.
    bool rewrite(const QVector<WorkRecord>& works, QString* error = nullptr) const;
    // Leaves the file existing and empty.
    bool clear(QString* error = nullptr) const;

private:
    QString m_path;
    const TextLineFile& m_lines;
    const FileSystem& m_fileSystem;
};
