#pragma once

#include <QString>
#include <QStringList>

// What a run of kills saw.
struct KillFigures
{
    int kills = 0;
    int killsInsideWrite = 0; // the write in flight had begun and not ended
    int steps = 0; // writes completed and kept
    int mismatches = 0; // files that held neither the state before nor after the write
    int recordsLost = 0;
    int leftoverFiles = 0; // files beside the three data files at the end (temporary files)
    QStringList problems;
};

// Starts kill_driver on a new folder again and again and kills it with SIGKILL after a random
// delay up to maxDelayMs once it writes; after each kill every file must read whole and hold
// the state before or after the write in flight. Stops at the first file that does not.
KillFigures runKills(const QString& driver, const QString& folder, int kills, quint32 seed, int maxDelayMs);
