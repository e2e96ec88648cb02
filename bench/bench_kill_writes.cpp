// Kills a driver that writes through the settings, events and works stores with SIGKILL at
// random moments, many times, and prints what the files held after each kill.
//
//   bench_kill_writes [kills=500] [max-delay-ms=20] [seed]
#include "KillRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int kills = arguments.size() > 1 ? arguments.at(1).toInt() : 500;
    const int maxDelayMs = arguments.size() > 2 ? arguments.at(2).toInt() : 20;
    const quint32 seed
        = arguments.size() > 3 ? arguments.at(3).toUInt() : quint32(QCoreApplication::applicationPid());
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    QElapsedTimer timer;
    timer.start();
    const KillFigures figures = runKills(
        QCoreApplication::applicationDirPath() + u"/kill_driver", folder.path(), kills, seed, maxDelayMs);
    std::printf("seed %u, kill delays 0..%d ms, %.1f s\n", seed, maxDelayMs, double(timer.elapsed()) / 1000);
    std::printf("kills                %d\n", figures.kills);
    std::printf("kills inside a write %d\n", figures.killsInsideWrite);
    std::printf("writes kept          %d\n", figures.steps);
    std::printf("files in neither state %d\n", figures.mismatches);
    std::printf("records lost         %d\n", figures.recordsLost);
    std::printf("temporary files left %d\n", figures.leftoverFiles);
    for (const QString& problem : figures.problems)
        std::printf("problem: %s\n", qPrintable(problem));
    return figures.problems.isEmpty() ? 0 : 1;
}
