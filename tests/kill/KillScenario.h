#pragma once

#include "core/WorkRecord.h"
#include "stores/Settings.h"

#include <QList>
#include <QString>
#include <QVector>
#include <optional>
#include <utility>

// A fixed sequence of writes through the real stores: step n changes one of the settings
// file, the events file or the works file. The state after any step is known without the
// files, so a reader can tell whether the files hold the state before or after a step.
struct StoreState
{
    Settings settings;
    QList<std::pair<QString, QString>> events; // name and date-time text, in file order
    QVector<WorkRecord> works; // in file order

    friend bool operator==(const StoreState&, const StoreState&) = default;
};

namespace KillScenario {

// The state after steps 1..step, starting from three empty files.
StoreState stateAfter(int step);
// What step changes in the state before it.
void apply(StoreState& state, int step);
// Makes step's write through the store classes into the files of folder, whose state is before.
bool write(const QString& folder, int step, const StoreState& before, QString* error);
// The three files read by the stores' own readers; no value when a file is missing or holds a
// line that is no record, with what was wrong in problem.
std::optional<StoreState> read(const QString& folder, QString* problem);
// Creates the three files empty: the state before step 1.
bool createEmpty(const QString& folder);
// Records of expected that actual lacks: settings values, events and works.
int missingRecords(const StoreState& expected, const StoreState& actual);

} // namespace KillScenario
