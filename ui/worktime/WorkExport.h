#pragma once

class Program;
class QMenu;
class QWidget;
class WorkListModel;

// The work-time window's export: the submenu menwx, after the copy submenu of menw, with the
// works list and the report of their used time per day, week or month, each written as CSV or
// JSON by the ending of the chosen file.
namespace WorkExport {

void addMenu(QMenu& menw, QWidget& window, Program& program, const WorkListModel& works);

} // namespace WorkExport
