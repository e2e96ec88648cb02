#include "tests/ui/worktime/WorkTimeFixture.h"

#include "Vantric.h"
#include "components/TextLineFile.h"
#include "models/WorkListModel.h"
#include "ui/common/ReportList.h"
#include "ui/worktime/frmPubWorkTime.h"

#include <QFile>
#include <QTest>

WorkTimeFixture::WorkTimeFixture(const QStringList& workLines)
    : clock(QDateTime(QDate(2024, 5, 1), QTime(10, 0, 0)))
{
    for (const char* name : { "tips.dll", "menus.dll" })
        QFile::copy(QStringLiteral(KRN_SHIPPED_DATA "/") + QLatin1StringView(name),
            dir.filePath(QLatin1StringView(name)));
    QFile works(worksPath());
    if (works.open(QIODevice::WriteOnly) && !workLines.isEmpty())
        works.write(QString(workLines.join(u'\n') + u'\n').toUtf8());
    works.close();

    program = std::make_unique<Program>(dir.path(), clock, boxes, desktop);
    for (int key = 0; key < settingCount; ++key) {
        if (const char* value = settingDefinition(SettingKey(key)).defaultValue)
            program->settings().setValue(SettingKey(key), QString::fromLatin1(value));
    }
    mainWindow.resize(300, 200);
    mainWindow.show();
    window = std::make_unique<frmPubWorkTime>(*program, &mainWindow);
}

WorkTimeFixture::~WorkTimeFixture()
{
    // Leave the folder removable even when a test made the file read-only.
    QFile::setPermissions(worksPath(), QFile::ReadOwner | QFile::WriteOwner);
}

void WorkTimeFixture::open()
{
    window->load();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the work-time window did not become active");
}

void WorkTimeFixture::close()
{
    window->close();
}

QStringList WorkTimeFixture::fileLines() const
{
    return TextLineFile::readLines(worksPath()).value_or(QStringList());
}

QString WorkTimeFixture::worksPath() const
{
    return dir.filePath(QStringLiteral("works.dll"));
}

QString WorkTimeFixture::lastBox() const
{
    return boxes.shown().isEmpty() ? QString() : boxes.shown().constLast().text;
}

void WorkTimeFixture::select(const QStringList& names)
{
    list().selectNoRows();
    for (const QString& name : names)
        list().setSelected(rowOf(name), true);
}

int WorkTimeFixture::rowOf(const QString& name) const
{
    for (int row = 0; row < model().rowCount(); ++row) {
        if (model().work(row).name == name)
            return row;
    }
    return -1;
}

QString WorkTimeFixture::cell(const QString& name, int column) const
{
    return model().cellText(rowOf(name), column);
}

Vantric* WorkTimeFixture::button(int index) const
{
    return window->findChild<Vantric*>(u"sbt(" % QString::number(index) % u')');
}

ReportList& WorkTimeFixture::list() const
{
    return *window->findChild<ReportList*>(QStringLiteral("lsv"));
}

WorkListModel& WorkTimeFixture::model() const
{
    return window->works();
}
