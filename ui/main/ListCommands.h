#pragma once

class EventsWindow;

// The Edit menu's commands on the events list: delete, clear, select all or none, find and
// copy. Each asks through the program's boxes and writes through the events file; a write that
// fails is reported and the list keeps showing what the file holds.
namespace ListCommands {

// Asks first, then removes the selected events and their lines; when the lines cannot be
// removed, the rows stay too. Afterwards the first row is selected and the list has the focus.
void deleteSelected(EventsWindow& window);
// Asks first, then empties the events file and the list; a file that could not be emptied
// keeps its rows on the list.
void clearAll(EventsWindow& window);
void selectAll(EventsWindow& window);
void selectNone(EventsWindow& window);
// Selects exactly the rows whose name contains the typed text, letter case ignored.
void find(EventsWindow& window);
// Puts one cell of the current row on the clipboard, exactly as the list shows it.
void copyCell(EventsWindow& window, int column);
// Makes row the current and only selected row; the row modify works on.
void selectOnly(EventsWindow& window, int row);

} // namespace ListCommands
