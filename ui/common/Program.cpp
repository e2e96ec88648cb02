#include "ui/common/Program.h"

#include "components/ProfileShell.h"
#include "components/TextLineFile.h"
#include "components/TextSet.h"
#include "components/ui/InterfaceTexts.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "stores/DataFiles.h"
#include "stores/EventsFile.h"
#include "stores/MessageTexts.h"
#include "stores/SettingsFile.h"

#include <QDir>

Program::Program(QString folder, Clock& clock, MessageBoxes& boxes, Desktop& desktop)
    : m_folder(std::move(folder))
    , m_clock(clock)
    , m_boxes(boxes)
    , m_desktop(desktop)
{
}

Program::~Program() = default;

QString Program::filePath(const QString& fileName) const
{
    return dataFilePath(m_folder, fileName);
}

Moment Program::now() const
{
    // The clock is the local wall clock; a moment outside the calendar's range cannot occur
    // on a working machine, but a broken clock must not bring the program down.
    return Moment::fromDateTime(m_clock.now()).value_or(*Moment::fromCivil(2000, 1, 1));
}

SettingsFile Program::settingsFile() const
{
    return SettingsFile(filePath(DataFileName::settings), m_writeWatch);
}

EventsFile Program::eventsFile()
{
    if (!m_keptEvents)
        m_keptEvents = std::make_unique<KeptEventLines>();
    return EventsFile(m_folder, textLines(), fileSystem(), m_keptEvents.get());
}

ProfileShell& Program::profileShell()
{
    if (!m_profileShell)
        m_profileShell = std::make_unique<ProfileShell>(m_desktop);
    return *m_profileShell;
}

TextLineFile& Program::textLines()
{
    if (!m_textLines)
        m_textLines = std::make_unique<TextLineFile>();
    m_textLines->setWriteWatch(m_writeWatch);
    return *m_textLines;
}

InterfaceTexts& Program::interfaceTexts()
{
    if (!m_interfaceTexts)
        m_interfaceTexts = std::make_unique<InterfaceTexts>();
    return *m_interfaceTexts;
}

FileSystem& Program::fileSystem()
{
    if (!m_fileSystem)
        m_fileSystem = std::make_unique<FileSystem>();
    m_fileSystem->setWriteWatch(m_writeWatch);
    return *m_fileSystem;
}

void Program::releaseComponents()
{
    m_profileShell.reset();
    m_fileSystem.reset();
    m_interfaceTexts.reset();
    m_textLines.reset();
}

void Program::setWriteWatch(WriteWatch* watch)
{
    m_writeWatch = watch;
    if (m_textLines)
        m_textLines->setWriteWatch(watch);
    if (m_fileSystem)
        m_fileSystem->setWriteWatch(watch);
}

QString Program::message(const QString& key) const
{
    return messageText(m_folder, key);
}

QString Program::text(const QString& window, const QString& key) const
{
    return TextSet::readText(filePath(DataFileName::tips), window, key);
}

void Program::reportWriteFailure(QWidget* parent, const QString& path, const QString& reason) const
{
    const QString text = message(QStringLiteral("WRITE FAILED")).arg(QDir::toNativeSeparators(path), reason);
    m_boxes.show(parent, text, MessageBoxes::Icon::Warning);
}
