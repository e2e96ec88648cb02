#pragma once

class QPalette;
class Settings;
class WorkListModel;

// Colours every row of the works list by its status: "Paused" rows the Paused colour,
// "Finished" rows the Finished colour, every other row the General colour. System colours
// are taken from the desktop palette given. A colour that cannot be read leaves the rows it
// would colour as they were.
void colourWorksByStatus(WorkListModel& model, const Settings& settings, const QPalette& desktop);
