#pragma once

#include "exchange/EventEntry.h"

#include <QVector>

struct DataTable;
struct WorkRecord;

// The events as the list shows them at now: name, type ("Past" or "Future"), moment and the
// seven counters of the distance to now.
DataTable eventTable(const QVector<EventEntry>& events, const Moment& now, const UnitDecimals& decimals);

// The works with every field of their records and the seven counters of their net working
// time; a started work is counted to now. A field that cannot be read as what it should be
// is written as the text it holds, and "-" as no value.
DataTable workTable(const QVector<WorkRecord>& works, const Moment& now, const UnitDecimals& decimals);
