#pragma once

#include <QString>
#include <memory>

class Clock;
class Desktop;
class frmPubMain;
class MessageBoxes;
class Program;
class SingleInstance;
class Tray;

// The start-up module: one running Kronvel, holding the lock on its data folder, the program
// object and the main window, in that order of creation.
class mdlPubSelf
{
public:
    // Starts Kronvel on a data folder: claims the folder, copies in the shipped texts it lacks
    // (from the resource folder shippedFiles), builds the program object and the main window and
    // shows it with the restoring flag raised. No value when another instance holds the folder;
    // then nothing has been shown and no file touched.
    static std::unique_ptr<mdlPubSelf> Main(const QString& folder, Clock& clock, MessageBoxes& boxes,
        Desktop& desktop, const QString& shippedFiles, Tray* tray = nullptr);
    ~mdlPubSelf();

    Program& program() const { return *m_program; }
    frmPubMain& window() const { return *m_window; }
    SingleInstance& instance() const { return *m_instance; }

    // Shows the window with the restoring flag raised, so it comes up where it was saved.
    static void showRestoring(frmPubMain& window);
    // Brings the window to the front for a later start on the same folder: back from the tray
    // or the task bar when it is there, then raised and activated.
    static void bringToFront(frmPubMain& window);

private:
    mdlPubSelf() = default;

    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<frmPubMain> m_window;
};
