#pragma once

class EventsWindow;

// The Event menu's exchange commands: the events of a calendar file added to the list, and the
// list written as an iCalendar, CSV or JSON file.
namespace ExchangeCommands {

// Adds the calendar's events with new names in one write of the events file, reloads the list
// and says what came in and what was skipped and why. A file that is no calendar, or a write
// that fails, is reported and changes nothing.
void importCalendar(EventsWindow& window);
// The format follows the chosen file's ending: .ics, .csv or .json.
void exportEvents(EventsWindow& window);

} // namespace ExchangeCommands
