#include "tests/ui/options/OptionsFixture.h"

#include "Vantric.h"
#include "components/ProfileFile.h"
#include "stores/SettingsFile.h"
#include "ui/common/ReportList.h"
#include "ui/options/frmPubOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

QString indexed(const char* name, int index)
{
    return QString::fromLatin1(name) % u'(' % QString::number(index) % u')';
}

} // namespace

OptionsFixture::OptionsFixture(const QByteArray& settingsText)
{
    QFile::copy(QStringLiteral(KRN_SHIPPED_TIPS), dir.filePath(QStringLiteral("tips.dll")));
    QFile file(settingsPath());
    if (file.open(QIODevice::WriteOnly))
        file.write(settingsText);
    file.close();
    program = std::make_unique<Program>(dir.path(), clock, boxes, desktop);
    program->settings() = program->settingsFile().readAtStartup();
    mainWindow.resize(400, 300);
    mainWindow.show();
    dialog = std::make_unique<frmPubOptions>(
        *program, [this] { handedOver.append(program->settings()); }, &mainWindow);
}

OptionsFixture::~OptionsFixture()
{
    // Leave the folder removable even when a test made the file read-only.
    QFile::setPermissions(settingsPath(), QFile::ReadOwner | QFile::WriteOwner);
}

void OptionsFixture::open()
{
    dialog->setUp();
    dialog->open();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        qWarning("the options dialog did not become active");
}

QString OptionsFixture::settingsPath() const
{
    return dir.filePath(QStringLiteral("krn.dll"));
}

QByteArray OptionsFixture::settingsBytes() const
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString OptionsFixture::fileValue(const QString& section, const QString& key) const
{
    return ProfileFile::readText(settingsPath(), section, key);
}

QString OptionsFixture::lastBox() const
{
    return boxes.shown().isEmpty() ? QString() : boxes.shown().constLast().text;
}

void OptionsFixture::click(int index) const
{
    if (Vantric* button = sbt(index))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        qWarning("no button sbt(%d)", index);
}

Vantric* OptionsFixture::sbt(int index) const
{
    return dialog->findChild<Vantric*>(indexed("sbt", index));
}

QLineEdit* OptionsFixture::txt(int index) const
{
    return dialog->findChild<QLineEdit*>(indexed("txt", index));
}

QCheckBox* OptionsFixture::cbx(int index) const
{
    return dialog->findChild<QCheckBox*>(indexed("cbx", index));
}

QComboBox* OptionsFixture::cbb(int index) const
{
    return dialog->findChild<QComboBox*>(indexed("cbb", index));
}

QLabel* OptionsFixture::lbl(int index) const
{
    return dialog->findChild<QLabel*>(indexed("lbl", index));
}

ReportList* OptionsFixture::lsv() const
{
    return dialog->findChild<ReportList*>(QStringLiteral("lsv"));
}
