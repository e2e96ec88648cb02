#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

class FolderWatcher;
class frmPubMain;
class Program;

// Keeps the main window and an open work-time window in step with the data folder when its
// files change outside Kronvel: events.dll refills the events list, krn.dll the settings
// (decimals, refresh, colours, font; the window's own position stays), works.dll an open
// work-time window, tips.dll and menus.dll the captions and texts. A list keeps its
// selection, current row, sort and scroll position; an open dialog is not touched, and while
// a message or input box waits for an answer the reload waits for it. Conflict copies that
// synchronising tools leave in the folder are told once each in the status bar.
class OutsideChanges : public QObject
{
    Q_OBJECT

public:
    explicit OutsideChanges(frmPubMain& window);
    ~OutsideChanges() override;

    FolderWatcher& watcher() const { return *m_watcher; }

Q_SIGNALS:
    // The window shows the file as it is now.
    void followed(const QString& fileName);

private:
    void follow(const QString& fileName);
    void followPending();
    void reloadEvents();
    void reloadSettings();
    void tellConflictCopies(const QStringList& fileNames);

    frmPubMain& m_window;
    // Kept apart from the window, which is already half gone when this is destroyed.
    Program& m_program;
    FolderWatcher* m_watcher;
    QSet<QString> m_pending;
    QTimer m_retry;
};
