#pragma once

#include "core/Moment.h"
#include "stores/Settings.h"

#include <QString>
#include <memory>

class Clock;
class Desktop;
class EventsFile;
class FileSystem;
class InterfaceTexts;
class KeptEventLines;
class MessageBoxes;
class Notifier;
class ProfileShell;
class QWidget;
class SettingsFile;
class TextLineFile;
class Tray;
class WriteWatch;

// The program-wide state of one running Kronvel: the data folder, the settings record, the
// restoring flag, and the shared components, each created on first use. main() builds one and
// hands it to the main window, which hands it on; tests build one with fakes.
class Program
{
public:
    Program(QString folder, Clock& clock, MessageBoxes& boxes, Desktop& desktop);
    ~Program();

    const QString& folder() const { return m_folder; }
    QString filePath(const QString& fileName) const;

    Clock& clock() const { return m_clock; }
    MessageBoxes& boxes() const { return m_boxes; }
    Desktop& desktop() const { return m_desktop; }
    // The notification area; none where the program runs without one (most tests).
    Tray* tray() const { return m_tray; }
    void setTray(Tray* tray) { m_tray = tray; }
    // The desktop's notifications; none where no service is reached (most tests).
    Notifier* notifier() const { return m_notifier; }
    void setNotifier(Notifier* notifier) { m_notifier = notifier; }
    // The clock's local time as a moment.
    Moment now() const;

    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }
    SettingsFile settingsFile() const;
    // The events file; its lines are kept from one read to the next (KeptEventLines).
    EventsFile eventsFile();

    // While raised, a resize of the main window applies the saved position instead of recording it.
    bool restoring = false;

    ProfileShell& profileShell();
    TextLineFile& textLines();
    InterfaceTexts& interfaceTexts();
    FileSystem& fileSystem();
    void releaseComponents();
    // Told about every write of the data files through the program's components from now on.
    void setWriteWatch(WriteWatch* watch);

    // The text of a message key, read anew from tips.dll.
    QString message(const QString& key) const;
    // A text of a window's section of tips.dll that the window writes itself (titles of its
    // file dialogs, status texts), read anew.
    QString text(const QString& window, const QString& key) const;
    // Tells the user that data could not be written: the file and the reason, in a warning box.
    void reportWriteFailure(QWidget* parent, const QString& path, const QString& reason) const;

private:
    QString m_folder;
    Clock& m_clock;
    MessageBoxes& m_boxes;
    Desktop& m_desktop;
    Tray* m_tray = nullptr;
    Notifier* m_notifier = nullptr;
    WriteWatch* m_writeWatch = nullptr;
    Settings m_settings;
    std::unique_ptr<ProfileShell> m_profileShell;
    std::unique_ptr<TextLineFile> m_textLines;
    std::unique_ptr<InterfaceTexts> m_interfaceTexts;
    std::unique_ptr<FileSystem> m_fileSystem;
    std::unique_ptr<KeptEventLines> m_keptEvents;
};
