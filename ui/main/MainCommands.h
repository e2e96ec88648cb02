#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class frmPubAbout;
class frmPubCalc;
class frmPubOptions;
class frmPubWorkTime;
class frmPubDetail;
class EventsWindow;

// The commands of the main window's menus, toolbar and shortcuts, one handler per menu entry,
// named after it. The window wires every menu entry and toolbar button here by name; the work
// is done by the list, file and link commands, so each handler stays a line or two.
class MainCommands : public QObject
{
    Q_OBJECT

public:
    explicit MainCommands(EventsWindow& window);

    // Runs the command of a menu entry ("menen", "mendoe", ...); false for a name that has none.
    bool run(const QString& name);
    // Every menu entry that runs a command, in menu order.
    static const QStringList& names();

    // The event editor, one shared instance, created on first use as a child of the window.
    frmPubDetail& detail();
    // The work-time window, made on first use; its menu ment is also the tray icon's menu.
    frmPubWorkTime& workTime();

public Q_SLOTS:
    void menen_Click();
    void menes_Click();
    void menel_Click();
    void menex_Click();
    void mendm_Click();
    void mendd_Click();
    void mendc_Click();
    void menda_Click();
    void mends_Click();
    void mendf_Click();
    // The copy entries mendoe to mendos; column is the list column whose cell is copied.
    void mendo_Click(int column);
    void mentw_Click();
    void mentc_Click();
    void mento_Click();
    void menhh_Click();
    void menht_Click();
    void menhw_Click();
    void menhc_Click();
    void menhl_Click();
    void menha_Click();

private:
    EventsWindow& m_window;
    QPointer<frmPubDetail> m_detail;
    QPointer<frmPubCalc> m_calc;
    QPointer<frmPubWorkTime> m_workTime;
    QPointer<frmPubOptions> m_options;
    QPointer<frmPubAbout> m_about;
};
