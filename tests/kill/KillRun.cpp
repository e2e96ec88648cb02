#include "KillRun.h"

#include "KillScenario.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

namespace {

struct DriverOutput
{
    int lastBegun = 0;
    bool lastEnded = false;
    bool failed = false;
};

DriverOutput parse(const QByteArray& output)
{
    DriverOutput result;
    for (const QByteArray& line : output.split('\n')) {
        if (line.size() < 3)
            continue;
        const int step = line.mid(2).toInt();
        if (line.at(0) == 'B') {
            result.lastBegun = step;
            result.lastEnded = false;
        } else if (line.at(0) == 'E' && step == result.lastBegun) {
            result.lastEnded = true;
        } else if (line.at(0) == 'F') {
            result.failed = true;
        }
    }
    return result;
}

} // namespace

KillFigures runKills(const QString& driver, const QString& folder, int kills, quint32 seed, int maxDelayMs)
{
    KillFigures figures;
    QRandomGenerator random(seed);
    if (!KillScenario::createEmpty(folder)) {
        figures.problems << QStringLiteral("cannot create the data files");
        return figures;
    }
    int kept = 0; // the step whose state the files hold
    StoreState keptState;
    while (figures.kills < kills) {
        QProcess process;
        process.start(driver, { folder, QString::number(kept + 1) });
        if (!process.waitForStarted()) {
            figures.problems << u"cannot start " % driver % u": " % process.errorString();
            return figures;
        }
        // The kill lands once the driver writes, not while it starts.
        QByteArray output;
        while (!output.contains('B') && process.state() == QProcess::Running) {
            process.waitForReadyRead(5000);
            output += process.readAllStandardOutput();
        }
        QThread::usleep(random.bounded(maxDelayMs * 1000 + 1));
        process.kill();
        process.waitForFinished();
        output += process.readAllStandardOutput();
        ++figures.kills;

        const DriverOutput said = parse(output);
        if (said.failed || said.lastBegun <= kept) {
            figures.problems << u"the driver failed: "
                    % QString::fromLocal8Bit(process.readAllStandardError());
            return figures;
        }
        StoreState before = keptState;
        for (int step = kept + 1; step < said.lastBegun; ++step)
            KillScenario::apply(before, step);
        StoreState after = before;
        KillScenario::apply(after, said.lastBegun);
        if (!said.lastEnded)
            ++figures.killsInsideWrite;

        QString problem;
        const auto found = KillScenario::read(folder, &problem);
        if (found && *found == after) {
            kept = said.lastBegun;
            keptState = after;
        } else if (found && !said.lastEnded && *found == before) {
            kept = said.lastBegun - 1;
            keptState = before;
        } else {
            ++figures.mismatches;
            const StoreState nothing;
            const StoreState& actual = found ? *found : nothing;
            figures.recordsLost += std::min(
                KillScenario::missingRecords(before, actual), KillScenario::missingRecords(after, actual));
            figures.problems << u"after step " % QString::number(said.lastBegun)
                    % (said.lastEnded ? u" ended: " : u" begun: ")
                    % (found ? QStringLiteral("the files hold another state") : problem);
            break;
        }
    }
    figures.steps = kept;
    figures.leftoverFiles = int(QDir(folder).entryList(QDir::Files | QDir::Hidden).size()) - 3;
    return figures;
}
