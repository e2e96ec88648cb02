#include "tests/ui/calculator/CalcFixture.h"

#include "tests/models/DefaultSettings.h"

#include "ui/calculator/frmPubCalc.h"

#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimeEdit>

CalcFixture::CalcFixture(const QDateTime& now)
    : clock(now)
{
    QFile::copy(QStringLiteral(KRN_SHIPPED_TIPS), dir.filePath(QStringLiteral("tips.dll")));
    program = std::make_unique<Program>(dir.path(), clock, boxes, desktop);
    program->settings() = defaultSettings();
    mainWindow.resize(600, 300);
    mainWindow.show();
    dialog = std::make_unique<frmPubCalc>(*program, &mainWindow);
}

CalcFixture::~CalcFixture() = default;

void CalcFixture::open()
{
    dialog->setUp();
    dialog->open();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        qWarning("the calculator did not become active");
}

QWidget* CalcFixture::window() const
{
    return dialog.get();
}

QLineEdit* CalcFixture::box(const QString& name) const
{
    return find<QLineEdit>(name);
}

QDateEdit* CalcFixture::date(const QString& name) const
{
    return find<QDateEdit>(name);
}

QTimeEdit* CalcFixture::time(const QString& name) const
{
    return find<QTimeEdit>(name);
}

QString CalcFixture::resultText() const
{
    return date(QStringLiteral("dtpResultDate"))->date().toString(QStringLiteral("yyyy/MM/dd")) % u' '
        % time(QStringLiteral("dtpResultTime"))->time().toString(QStringLiteral("HH:mm:ss"));
}

QString CalcFixture::lastBox() const
{
    return boxes.shown().isEmpty() ? QString() : boxes.shown().constLast().text;
}
