#include "ui/main/mdlPubSelf.h"

#include "components/TextSet.h"
#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"
#include "ui/common/Program.h"
#include "ui/main/frmPubMain.h"
#include "ui/main/mdlPubTrayIcon.h"

#include <QLocale>

std::unique_ptr<mdlPubSelf> mdlPubSelf::Main(const QString& folder, Clock& clock, MessageBoxes& boxes,
    Desktop& desktop, const QString& shippedFiles, Tray* tray, Notifier* notifier)
{
    auto self = std::unique_ptr<mdlPubSelf>(new mdlPubSelf);
    // The check comes before anything is read or written, so a second start changes nothing.
    self->m_instance = std::make_unique<SingleInstance>(folder);
    if (!self->m_instance->acquire())
        return nullptr;
    // Owning the folder, any temporary of an interrupted write is stale.
    sweepStaleTemporaries(folder);
    // A folder that cannot take the texts still runs; the window reports what it cannot write.
    // A first start takes the texts of the user's language, a later one adds what its set lacks
    // (help pages of a newer Kronvel); English fills whatever that leaves.
    installShippedFiles(folder, TextSet::setForFolder(folder, QLocale::system()));
    installShippedFiles(folder, shippedFiles);
    self->m_program = std::make_unique<Program>(folder, clock, boxes, desktop);
    self->m_program->setTray(tray);
    self->m_program->setNotifier(notifier);
    self->m_window = std::make_unique<frmPubMain>(*self->m_program);
    showRestoring(*self->m_window);
    return self;
}

mdlPubSelf::~mdlPubSelf()
{
    // The window goes before the program object it refers to.
    m_window.reset();
    m_program.reset();
}

void mdlPubSelf::bringToFront(frmPubMain& window)
{
    if (window.trayIcon().inTray()) {
        window.trayIcon().restore();
        return;
    }
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void mdlPubSelf::showRestoring(frmPubMain& window)
{
    window.program().restoring = true;
    window.show();
    window.program().restoring = false;
}
