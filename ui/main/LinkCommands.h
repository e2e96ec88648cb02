#pragma once

#include <QString>

class EventsWindow;

// The Help menu's commands that leave the events list: the help window, the web pages and the
// support mail. The addresses come from the Links section of tips.dll, so a distributor sets them.
namespace LinkCommands {

// The address the entry "menht", "menhw", "menhc" or "menhl" opens; empty for another entry
// or when tips.dll gives no address for it.
QString address(const QString& folder, const QString& entry);
// Opens the entry's address maximized; an entry without an address does nothing.
void open(EventsWindow& window, const QString& entry);
// Opens the help window, unless one titled "KRN Help" is open already.
void openHelp(EventsWindow& window);

} // namespace LinkCommands
