#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class WriteWatch;

// The file operations the program needs, with the semantics of the scripting runtime's
// file-system object: copies and deletes refuse read-only targets unless forced.
// Every operation reports failure with a reason instead of throwing.
class FileSystem
{
public:
    bool fileExists(const QString& path) const;
    // Creates an empty text file; with overwrite an existing file is emptied.
    bool createTextFile(const QString& path, bool overwrite, QString* error = nullptr) const;
    // Copies atomically: the destination is either the old file or a whole copy.
    bool copyFile(
        const QString& source, const QString& destination, bool overwrite, QString* error = nullptr) const;
    bool deleteFile(const QString& path, bool force, QString* error = nullptr) const;
    // Names of the regular files directly in the folder; no value when it cannot be listed.
    std::optional<QStringList> filesIn(const QString& folder, QString* error = nullptr) const;
    bool setAttributes(const QString& path, int attributes, QString* error = nullptr) const;

    // Told about every replacement from now on; none by default.
    void setWriteWatch(WriteWatch* watch) { m_watch = watch; }

private:
    WriteWatch* m_watch = nullptr;
};
