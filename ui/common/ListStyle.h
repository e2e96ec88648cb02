#pragma once

class EventListModel;
class ReportList;
class Settings;

// Gives the events list the font and colours of the settings, and each future event's row
// the "Future" colour. Past rows follow the list's own text colour. A value the list cannot
// take (a missing font, a colour that is not a number) leaves that one property as it was.
void ApplyListStyle(ReportList& list, EventListModel& model, const Settings& settings);
