#include "tests/ui/main/MainWindowFixture.h"

#include "components/ProfileFile.h"
#include "stores/SettingsFile.h"
#include "ui/common/Program.h"
#include "ui/main/frmPubMain.h"

#include <QDir>
#include <QFile>

MainWindowFixture::MainWindowFixture() = default;

MainWindowFixture::~MainWindowFixture()
{
    m_self.reset();
}

QString MainWindowFixture::path(const QString& fileName) const
{
    return QDir(m_dir.path()).filePath(fileName);
}

void MainWindowFixture::writeFile(const QString& fileName, const QByteArray& bytes) const
{
    QFile file(path(fileName));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray MainWindowFixture::readFile(const QString& fileName) const
{
    QFile file(path(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void MainWindowFixture::writeSettings(const QList<std::pair<QString, QString>>& systemChanges) const
{
    const SettingsFile settings(path(QStringLiteral("krn.dll")));
    settings.writeDefaults();
    for (const auto& [key, value] : systemChanges)
        ProfileFile::writeText(settings.path(), QStringLiteral("System"), key, value);
}

bool MainWindowFixture::start()
{
    m_self = mdlPubSelf::Main(
        m_dir.path(), clock, boxes, desktop, QStringLiteral(":/shipped"), &tray, &notifier);
    return m_self != nullptr;
}

frmPubMain& MainWindowFixture::window() const
{
    return m_self->window();
}

Program& MainWindowFixture::program() const
{
    return m_self->program();
}
