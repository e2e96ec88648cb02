#include "tests/ui/editor/EditorFixture.h"

#include "Vantric.h"
#include "components/TextLineFile.h"
#include "stores/EventsFile.h"
#include "ui/editor/frmPubDetail.h"

#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>

EditorFixture::EditorFixture(const QStringList& eventLines)
    : clock(QDateTime(QDate(2024, 5, 1), QTime(10, 0, 0)))
{
    QFile::copy(QStringLiteral(KRN_SHIPPED_TIPS), dir.filePath(QStringLiteral("tips.dll")));
    QFile events(dir.filePath(QStringLiteral("events.dll")));
    if (events.open(QIODevice::WriteOnly))
        events.write(QString(eventLines.join(u'\n') + u'\n').toUtf8());
    events.close();

    program = std::make_unique<Program>(dir.path(), clock, boxes, desktop);
    model.loadFrom(program->eventsFile(), program->now());
    list = new ReportList(&mainWindow);
    list->setModel(&model);
    mainWindow.resize(600, 300);
    mainWindow.show();
    dialog = std::make_unique<frmPubDetail>(
        *program, model, *list, [this] { ++countWrites; }, &mainWindow);
}

EditorFixture::~EditorFixture()
{
    // Leave the folder removable even when a test made the file read-only.
    QFile::setPermissions(eventsPath(), QFile::ReadOwner | QFile::WriteOwner);
}

void EditorFixture::openNew()
{
    dialog->setUpNew();
    dialog->open();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        qWarning("the editor did not become active");
}

void EditorFixture::openModify(const QString& name)
{
    const int row = model.findName(name);
    list->selectNoRows();
    list->setCurrentRow(row);
    list->setSelected(row, true);
    dialog->setUpModify(row);
    dialog->open();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        qWarning("the editor did not become active");
}

QStringList EditorFixture::fileLines() const
{
    return TextLineFile::readLines(eventsPath()).value_or(QStringList());
}

QStringList EditorFixture::listNames() const
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.event(row).name;
    return names;
}

QString EditorFixture::eventsPath() const
{
    return dir.filePath(QStringLiteral("events.dll"));
}

QString EditorFixture::lastBox() const
{
    return boxes.shown().isEmpty() ? QString() : boxes.shown().constLast().text;
}

Vantric* EditorFixture::button(int index) const
{
    return dialog->findChild<Vantric*>(u"sbt(" % QString::number(index) % u')');
}

QLineEdit* EditorFixture::txtEvent() const
{
    return dialog->findChild<QLineEdit*>(QStringLiteral("txtEvent"));
}

QRadioButton* EditorFixture::optPas() const
{
    return dialog->findChild<QRadioButton*>(QStringLiteral("optPas"));
}

QRadioButton* EditorFixture::optFut() const
{
    return dialog->findChild<QRadioButton*>(QStringLiteral("optFut"));
}

QDateEdit* EditorFixture::dtpDate() const
{
    return dialog->findChild<QDateEdit*>(QStringLiteral("dtpDate"));
}

QTimeEdit* EditorFixture::dtpTime() const
{
    return dialog->findChild<QTimeEdit*>(QStringLiteral("dtpTime"));
}
