#pragma once

#include "models/EventListModel.h"

#include <QVector>

class Moment;

// Brings the events list to these events (the file's, in file order, as a load lists them
// and types them against now) with the fewest row changes, so that the view keeps its
// selection, current row and scroll position by itself: rows whose event went or changed
// (in moment, or in type since its moment passed) are removed, new events are added at their
// sorted place, or in an unsorted list at their place in the file, and counted to now. False,
// with the list untouched, when many rows would change, or when the rows an unsorted list
// keeps are not in the file's order; the caller loads the list anew then.
bool followEvents(EventListModel& model, const QVector<EventListModel::Event>& events, const Moment& now);
