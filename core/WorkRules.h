#pragma once

#include <QtGlobal>
#include <optional>

class Moment;
struct WorkRecord;

// How a work's net working time is counted across pauses, and what pause, restart and stop do
// to its record. Seconds are 32-bit, as the works file holds them: a result outside that range
// gives no value, and a field that cannot be read as a number or a moment gives none either.
namespace WorkRules {

// A started work at now: the whole seconds from began to now, less the paused seconds.
std::optional<qint32> runningSeconds(const WorkRecord& work, const Moment& now);
// A paused or finished work: its stored used seconds.
std::optional<qint32> storedSeconds(const WorkRecord& work);

// Each changes the record and returns true only for a work in the state it needs:
// pause and stop a started work, restart a paused one. The used seconds stay as last counted.
bool pause(WorkRecord& work, const Moment& now);
bool stop(WorkRecord& work, const Moment& now);
// The pause's length is added to the paused seconds; a pause that cannot be measured, or a
// sum beyond the 32-bit range, leaves them as they were.
bool restart(WorkRecord& work, const Moment& now);

} // namespace WorkRules
