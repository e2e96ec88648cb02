#include "ui/main/MainCommands.h"

#include "models/EventListModel.h"
#include "platform/MessageBoxes.h"
#include "ui/calculator/frmPubCalc.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/editor/frmPubDetail.h"
#include "ui/main/EventsWindow.h"
#include "ui/main/FileCommands.h"
#include "ui/main/LinkCommands.h"
#include "ui/main/ListCommands.h"
#include "ui/main/mdlPubTrayIcon.h"
#include "ui/options/frmPubAbout.h"
#include "ui/options/frmPubOptions.h"
#include "ui/worktime/frmPubWorkTime.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace {

using Handler = std::function<void(MainCommands&)>;

// The copy entries and the list column each copies; the type column has no entry.
constexpr std::pair<const char*, int> copyEntries[] = {
    { "mendoe", EventListModel::Name },
    { "mendod", EventListModel::DateTime },
    { "mendoy", EventListModel::Years },
    { "mendom", EventListModel::Months },
    { "mendow", EventListModel::Weeks },
    { "mendoa", EventListModel::Days },
    { "mendoh", EventListModel::Hours },
    { "mendoi", EventListModel::Minutes },
    { "mendos", EventListModel::Seconds },
};

const QList<std::pair<QString, Handler>>& handlers()
{
    static const QList<std::pair<QString, Handler>> table = [] {
        QList<std::pair<QString, Handler>> list = {
            { QStringLiteral("menen"), &MainCommands::menen_Click },
            { QStringLiteral("menes"), &MainCommands::menes_Click },
            { QStringLiteral("menel"), &MainCommands::menel_Click },
            { QStringLiteral("menex"), &MainCommands::menex_Click },
            { QStringLiteral("mendm"), &MainCommands::mendm_Click },
            { QStringLiteral("mendd"), &MainCommands::mendd_Click },
            { QStringLiteral("mendc"), &MainCommands::mendc_Click },
            { QStringLiteral("menda"), &MainCommands::menda_Click },
            { QStringLiteral("mends"), &MainCommands::mends_Click },
            { QStringLiteral("mendf"), &MainCommands::mendf_Click },
        };
        for (const auto& [name, column] : copyEntries)
            list.append(
                { QString::fromLatin1(name), [column = column](MainCommands& c) { c.mendo_Click(column); } });
        list.append({
            { QStringLiteral("mentw"), &MainCommands::mentw_Click },
            { QStringLiteral("mentc"), &MainCommands::mentc_Click },
            { QStringLiteral("mento"), &MainCommands::mento_Click },
            { QStringLiteral("menhh"), &MainCommands::menhh_Click },
            { QStringLiteral("menht"), &MainCommands::menht_Click },
            { QStringLiteral("menhw"), &MainCommands::menhw_Click },
            { QStringLiteral("menhc"), &MainCommands::menhc_Click },
            { QStringLiteral("menhl"), &MainCommands::menhl_Click },
            { QStringLiteral("menha"), &MainCommands::menha_Click },
        });
        return list;
    }();
    return table;
}

} // namespace

MainCommands::MainCommands(EventsWindow& window)
    : QObject(&window.widget())
    , m_window(window)
{
}

bool MainCommands::run(const QString& name)
{
    for (const auto& [entry, handler] : handlers()) {
        if (entry == name) {
            handler(*this);
            return true;
        }
    }
    return false;
}

const QStringList& MainCommands::names()
{
    static const QStringList list = [] {
        QStringList result;
        for (const auto& entry : handlers())
            result << entry.first;
        return result;
    }();
    return list;
}

frmPubDetail& MainCommands::detail()
{
    if (!m_detail) {
        m_detail = new frmPubDetail(
            m_window.program(), m_window.events(), m_window.lsv(), [this] { m_window.writeCountText(); },
            &m_window.widget());
    }
    return *m_detail;
}

void MainCommands::menen_Click()
{
    detail().openNew();
}

void MainCommands::mendm_Click()
{
    const int count = m_window.events().rowCount();
    if (count == 0) {
        m_window.program().boxes().show(&m_window.widget(),
            m_window.program().message(QStringLiteral("NO EVENT MODIFY")), MessageBoxes::Icon::Information);
        return;
    }
    // A list that has rows but no current row changes its first row.
    const int row = std::max(m_window.lsv().currentRow(), 0);
    ListCommands::selectOnly(m_window, row);
    detail().openModify(row);
}

void MainCommands::menes_Click()
{
    FileCommands::saveAs(m_window);
}

void MainCommands::menel_Click()
{
    FileCommands::loadFrom(m_window);
}

void MainCommands::menex_Click()
{
    m_window.widget().close();
}

void MainCommands::mendd_Click()
{
    ListCommands::deleteSelected(m_window);
}

void MainCommands::mendc_Click()
{
    ListCommands::clearAll(m_window);
}

void MainCommands::menda_Click()
{
    ListCommands::selectAll(m_window);
}

void MainCommands::mends_Click()
{
    ListCommands::selectNone(m_window);
}

void MainCommands::mendf_Click()
{
    ListCommands::find(m_window);
}

void MainCommands::mendo_Click(int column)
{
    ListCommands::copyCell(m_window, column);
}

frmPubWorkTime& MainCommands::workTime()
{
    if (!m_workTime) {
        m_workTime = new frmPubWorkTime(m_window.program(), &m_window.widget());
        const WorkTrayMenu& tray = m_workTime->tray();
        connect(tray.ments, &QAction::triggered, this, [this] { m_window.trayIcon().restore(); });
        const std::pair<QAction*, const char*> entries[]
            = { { tray.menth, "menhh" }, { tray.mentt, "menht" }, { tray.mentw, "menhw" },
                  { tray.mentc, "menhc" }, { tray.mentl, "menhl" }, { tray.menta, "menha" } };
        for (const auto& [action, entry] : entries) {
            const QString name = QString::fromLatin1(entry);
            connect(action, &QAction::triggered, this, [this, name] { run(name); });
        }
        connect(tray.mentx, &QAction::triggered, &m_window.widget(), &QWidget::close);
    }
    return *m_workTime;
}

void MainCommands::mentw_Click()
{
    workTime().open();
}

void MainCommands::mento_Click()
{
    if (!m_options) {
        m_options = new frmPubOptions(
            m_window.program(),
            // The dialog has reread the settings: the list follows them at once.
            [this] { m_window.applySettings(); }, &m_window.widget());
    }
    m_options->openModal();
}

void MainCommands::mentc_Click()
{
    // One calculator, made on first use; every opening starts again from now.
    if (!m_calc)
        m_calc = new frmPubCalc(m_window.program(), &m_window.widget());
    m_calc->openCalculator();
}

void MainCommands::menha_Click()
{
    if (!m_about)
        m_about = new frmPubAbout(m_window.program(), &m_window.widget());
    m_about->open();
}

void MainCommands::menhh_Click()
{
    LinkCommands::openHelp(m_window);
}

void MainCommands::menht_Click()
{
    LinkCommands::open(m_window, QStringLiteral("menht"));
}

void MainCommands::menhw_Click()
{
    LinkCommands::open(m_window, QStringLiteral("menhw"));
}

void MainCommands::menhc_Click()
{
    LinkCommands::open(m_window, QStringLiteral("menhc"));
}

void MainCommands::menhl_Click()
{
    LinkCommands::open(m_window, QStringLiteral("menhl"));
}
