#include "ui/worktime/WorkExport.h"

#include "components/FileReplace.h"
#include "components/ProfileShell.h"
#include "exchange/DataTable.h"
#include "exchange/ListTables.h"
#include "exchange/PeriodReport.h"
#include "exchange/TableWriters.h"
#include "models/WorkListModel.h"
#include "ui/common/Program.h"

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <optional>

namespace WorkExport {

namespace {

void exportTable(
    QWidget& window, Program& program, const WorkListModel& list, std::optional<ReportPeriod> period)
{
    const QString section = QStringLiteral("frmPubWorkTime");
    const QString destination = program.profileShell().saveFileDialog(&window,
        program.text(
            section, period ? QStringLiteral("ExportReportTitle") : QStringLiteral("ExportWorksTitle")),
        QString(), ProfileShell::filterFromText(program.text(section, QStringLiteral("ExportFilter"))),
        QString(), QStringLiteral("csv"));
    if (destination.isEmpty())
        return;
    QVector<WorkRecord> works;
    for (int row = 0; row < list.rowCount(); ++row)
        works.append(list.work(row));
    const UnitDecimals decimals = unitDecimals(program.settings());
    const DataTable table = period ? periodReport(works, *period, program.now(),
                                int(QLocale().firstDayOfWeek()), decimals[int(TimeUnit::Hours)].value_or(2))
                                   : workTable(works, program.now(), decimals);
    // Any name but one ending in .json gets CSV, the dialog's first choice.
    const bool json = destination.endsWith(u".json", Qt::CaseInsensitive);
    QString error;
    if (!FileReplace::replace(destination, json ? toJson(table) : toCsv(table), &error))
        program.reportWriteFailure(&window, destination, error);
}

} // namespace

void addMenu(QMenu& menw, QWidget& window, Program& program, const WorkListModel& works)
{
    auto* menwx = new QMenu(QStringLiteral("menwx"), &menw);
    menwx->setObjectName(QStringLiteral("menwx"));
    menwx->menuAction()->setObjectName(QStringLiteral("menwxAction"));
    menw.insertMenu(menw.findChild<QAction*>(QStringLiteral("menwsd")), menwx);
    const std::pair<const char*, std::optional<ReportPeriod>> entries[]
        = { { "menwxw", std::nullopt }, { "menwxd", ReportPeriod::Day }, { "menwxe", ReportPeriod::Week },
              { "menwxm", ReportPeriod::Month } };
    // Plain locals, not a structured binding: clang 14 cannot capture one in a lambda.
    for (const auto& entry : entries) {
        const char* name = entry.first;
        const std::optional<ReportPeriod> period = entry.second;
        QAction* action = menwx->addAction(QString::fromLatin1(name));
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, &window,
            [&window, &program, &works, period] { exportTable(window, program, works, period); });
    }
}

} // namespace WorkExport
