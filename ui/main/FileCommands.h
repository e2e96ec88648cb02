#pragma once

class EventsWindow;

// The Event menu's file commands: a copy of the events file saved anywhere, and a saved copy
// loaded in place of the events file. A copy that fails is reported and changes nothing.
namespace FileCommands {

void saveAs(EventsWindow& window);
void loadFrom(EventsWindow& window);

} // namespace FileCommands
