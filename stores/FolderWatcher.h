#pragma once

#include "platform/WriteWatch.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

// Watches the data folder and some of its files for changes made outside the program: by a
// synchronising tool, an editor, or the program running on another machine. A file replaced
// by renaming another over it is still seen: the folder is watched too, and a file's watch is
// taken up again after each change. A file written in several steps is reported once, when
// no change has come for a short while. The program's own writes (told through WriteWatch)
// are not reported; a change made outside just before one of them still is. Only a change of
// content counts. Waiting costs nothing: the system wakes the watcher, nothing polls.
class FolderWatcher : public QObject, public WriteWatch
{
    Q_OBJECT

public:
    // fileNames are the files of the folder to report; their state now counts as seen.
    FolderWatcher(QString folder, QStringList fileNames, QObject* parent = nullptr);

    // How long the folder must stay quiet before a change is reported, in milliseconds.
    void setSettleTime(int milliseconds) { m_settle.setInterval(milliseconds); }

    void beforeWrite(const QString& path) override;
    void afterWrite(const QString& path) override;

Q_SIGNALS:
    // The content of a watched file changed outside the program (or the file went or came).
    void fileChanged(const QString& fileName);
    // Conflict copies of the data files not reported before; each name is reported once.
    void conflictCopiesFound(const QStringList& fileNames);

private:
    struct Signature
    {
        qint64 size = -1; // -1: no file
        size_t hash = 0;
        friend bool operator==(const Signature&, const Signature&) = default;
    };

    Signature signatureOf(const QString& fileName) const;
    QString nameOf(const QString& path) const;
    void noticed();
    void settled();
    void watchFiles();
    void findConflictCopies();

    QString m_folder;
    QStringList m_fileNames;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QHash<QString, Signature> m_seen;
    // Files whose content was as last seen when the program began writing them.
    QSet<QString> m_seenBeforeWrite;
    QSet<QString> m_reportedCopies;
};
