// Takes the picture of the calculator in docs/screenshots: run with the output folder as
// argument. Not a test; built on demand (target calc_screenshots).
#include "tests/ui/calculator/CalcFixture.h"

#include "ui/calculator/frmPubCalc.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QTest>
#include <QTimeEdit>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    CalcFixture f(QDateTime(QDate(2024, 5, 6), QTime(8, 0, 0)));
    f.open();
    // Monday 08:00 to Friday 17:00 of one week.
    f.date(QStringLiteral("dtpDate(1)"))->setDate(QDate(2024, 5, 10));
    f.time(QStringLiteral("dtpTime(1)"))->setTime(QTime(17, 0, 0));
    QTest::qWait(200);
    const bool ok = f.dialog->grab().save(out.filePath(QStringLiteral("calculator.png")));
    qInfo("%s %s", qPrintable(f.dialog->windowTitle()), ok ? "saved" : "NOT saved");
    return ok ? 0 : 1;
}
