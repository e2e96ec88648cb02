#pragma once

class ReportList;
class Settings;
class WorkListModel;

// Gives the works list the font and colours of the settings and colours each row by its
// status (paused, finished, or the general colour for any other).
void ApplyWorkListStyle(ReportList& list, WorkListModel& model, const Settings& settings);
