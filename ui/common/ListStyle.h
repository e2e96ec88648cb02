#pragma once

class EventListModel;
class ReportList;
class Settings;

// Gives a list the font, background and text colour of the settings ("Name", "Size", "Back",
// "General"), with system colours from the desktop's scheme. A value the list cannot take
// leaves that one property as it was.
void applyListFontAndColours(ReportList& list, const Settings& settings);

// Gives the events list the font and colours of the settings, and each future event's row
// the "Future" colour. Past rows follow the list's own text colour. A value the list cannot
// take (a missing font, a colour that is not a number) leaves that one property as it was.
void ApplyListStyle(ReportList& list, EventListModel& model, const Settings& settings);
