#include "ui/main/MainCommands.h"

#include "core/EventListModel.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/main/frmPubMain.h"

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
            list.append({ QString::fromLatin1(name), [column](MainCommands& c) { c.mendo_Click(column); } });
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

MainCommands::MainCommands(frmPubMain& window)
    : QObject(&window)
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

// The event commands come with the event editor and the command handlers; until then these
// entries do nothing.
void MainCommands::menen_Click() { }
void MainCommands::menes_Click() { }
void MainCommands::menel_Click() { }
void MainCommands::mendm_Click() { }
void MainCommands::mendd_Click() { }
void MainCommands::mendc_Click() { }
void MainCommands::mendf_Click() { }
void MainCommands::mendo_Click(int) { }
void MainCommands::mentw_Click() { }
void MainCommands::mentc_Click() { }
void MainCommands::mento_Click() { }
void MainCommands::menht_Click() { }
void MainCommands::menhw_Click() { }
void MainCommands::menhc_Click() { }
void MainCommands::menhl_Click() { }
void MainCommands::menha_Click() { }

void MainCommands::menex_Click()
{
    m_window.close();
}

void MainCommands::menda_Click()
{
    m_window.lsv().selectAllRows();
}

void MainCommands::mends_Click()
{
    m_window.lsv().selectNoRows();
}

void MainCommands::menhh_Click()
{
    m_window.help().open(m_window.program().filePath(QStringLiteral("help/events.html")));
}
