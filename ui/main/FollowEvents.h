#pragma once

#include "models/EventListModel.h"

#include <QVector>

class Moment;

// Brings the events list to these events (the file's, in file order, as a load lists them)
// with the fewest row changes, so that the view keeps its selection, current row and scroll
// position by itself: rows whose event went or changed are removed, new events are added at
// the end or at their sorted place and counted to now. False, with the list untouched, when
// many rows would change, or when an unsorted list would not end in the file's order; the
// caller loads the list anew then.
bool followEvents(EventListModel& model, const QVector<EventListModel::Event>& events, const Moment& now);
