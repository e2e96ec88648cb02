// Takes the pictures of the work-time window in docs/screenshots: run with the output folder
// as argument. Not a test; built on demand (target worktime_screenshots).
#include "tests/ui/worktime/WorkTimeFixture.h"

#include "ui/common/ReportList.h"
#include "ui/worktime/frmPubWorkTime.h"

#include <QApplication>
#include <QDir>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    WorkTimeFixture f({ QStringLiteral("Write report\tStarted\t2024/05/01 08:12:20\t-\t1830\t-\t0"),
        QStringLiteral("Coffee break\tPaused\t2024/05/01 09:30:00\t-\t0\t2024/05/01 09:45:00\t900"),
        QStringLiteral(
            "Review chapter 3\tFinished\t2024/04/30 13:00:00\t2024/04/30 17:20:00\t1200\t-\t14400"),
        QStringLiteral("Plan the week\tStarted\t2024/04/29 09:00:00\t-\t0\t-\t0") });
    f.open();
    f.select({ QStringLiteral("Coffee break") });
    QTest::qWait(200);
    const bool ok = f.window->grab().save(out.filePath(QStringLiteral("worktime-window.png")));
    qInfo("%s", ok ? "saved" : "NOT saved");
    return ok ? 0 : 1;
}
