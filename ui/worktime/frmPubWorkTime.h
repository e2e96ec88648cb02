#pragma once

#include "core/TimeUnit.h"
#include "ui/worktime/WorkTimeMenus.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <array>

class Program;
class QEventLoop;
class QMenu;
class QTimer;
class ReportList;
class Vantric;
class WorkCommands;
class WorkListModel;

// The work-time window: the works with their status, began and finished date-times and
// their net working time counted live, nine buttons and the menu menw with the same
// commands. It also carries the tray icon's menu ment. One instance serves every opening:
// each opening loads the works anew, and closing rewrites the running works' records.
class frmPubWorkTime : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmPubWorkTime(Program& program, QWidget* parent = nullptr);
    ~frmPubWorkTime() override;

    // Loads the window, shows it modal and returns once it has closed; the result is 0.
    int open();
    // What opening does before the window shows: texts, works, first count, colours, timer.
    void load();
    // Writes the record of every started work, so its latest used seconds reach the file.
    // Closing the window does this once.
    void rewriteRunningWorks();
    // A data or text file changed outside the program: an open window shows it at once,
    // keeping the selection, current row, sort and scroll position.
    void followOutsideChange(const QString& fileName);

    // The tray icon's menu and its entries; they exist from construction on.
    const WorkTrayMenu& tray() const { return m_tray; }
    QMenu& ment() const { return *m_tray.ment; }

    ReportList& lsv() const { return *m_lsv; }
    WorkListModel& works() const { return *m_works; }
    WorkCommands& commands() const { return *m_commands; }
    QTimer& tim() const { return *m_tim; }

public Q_SLOTS:
    void tim_Timer();
    // One handler for the buttons, their menu entries and a double click on the list.
    void sbt_Click(int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void lsv_ColumnClick(int column);
    void copyValue(int column);
    void applyListStyle();
    void layOutList();
    int placeButtons();
    // What a counter column needs, in pixels, to show its header and its counts whole.
    int counterWidth() const;
    void fitStatusColumn();
    void Form_Unload();

    Program& m_program;
    WorkListModel* m_works = nullptr;
    WorkCommands* m_commands = nullptr;
    QWidget* m_area = nullptr;
    ReportList* m_lsv = nullptr;
    std::array<Vantric*, 9> sbt {};
    QList<QRect> m_buttonRow; // the buttons in one row, as the form and the texts place them
    QTimer* m_tim = nullptr;
    QMenu* m_menw = nullptr;
    WorkTrayMenu m_tray;
    std::array<QString, timeUnitCount> m_decimals;
    QPointer<QEventLoop> m_loop;
    bool m_loaded = false;
};
