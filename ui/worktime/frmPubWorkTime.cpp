#include "ui/worktime/frmPubWorkTime.h"

#include "FormLoader.h"
#include "Vantric.h"
#include "components/ui/InterfaceTexts.h"
#include "models/WorkListModel.h"
#include "platform/Twips.h"
#include "stores/DataFiles.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/ContentFit.h"
#include "ui/common/KeptView.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/common/ScreenFit.h"
#include "ui/worktime/WorkCommands.h"
#include "ui/worktime/WorkExport.h"
#include "ui/worktime/WorkListLayout.h"
#include "ui/worktime/WorkListStyle.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

const QString formPath = QStringLiteral(":/forms/frmPubWorkTime.ini");
// The client area below the menu bar at design time, in twips: wide enough that the columns
// sharing the rest of the list show a name and a count.
constexpr int designWidth = 13500;
constexpr int designHeight = 4800;
// The list's distance below the buttons, which the form places 90 to 495 down.
constexpr int listGap = WorkListLayout::top - 495;

} // namespace

frmPubWorkTime::frmPubWorkTime(Program& program, QWidget* parent)
    : QMainWindow(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("frmPubWorkTime"));
    setWindowTitle(QStringLiteral("Work Time"));
    createControls();
    // The tray icon's menu is used before the window first opens, so it has its captions now.
    m_program.interfaceTexts().applyMenuTexts(this, m_program.filePath(DataFileName::menus));
}

frmPubWorkTime::~frmPubWorkTime() = default;

void frmPubWorkTime::createControls()
{
    m_works = new WorkListModel(this);
    m_area = new QWidget(this);
    m_area->setObjectName(QStringLiteral("area"));
    setCentralWidget(m_area);
    m_lsv = new ReportList(m_area);
    m_lsv->setObjectName(QStringLiteral("lsv"));
    m_lsv->setModel(m_works);
    m_commands = new WorkCommands(m_program, *m_works, *m_lsv, *this);
    connect(m_commands, &WorkCommands::statusesChanged, this, [this] {
        applyListStyle();
        layOutList(); // a new status or count may need more room
    });
    connect(m_commands, &WorkCommands::closeRequested, this, &QWidget::close);
    connect(m_lsv, &ReportList::headerClicked, this, &frmPubWorkTime::lsv_ColumnClick);
    connect(m_lsv, &QAbstractItemView::doubleClicked, this, [this] { sbt_Click(WorkCommands::Rename); });
    connect(m_lsv, &ReportList::rightButtonReleased, this, [this](const QPoint& at) { m_menw->popup(at); });

    const FormLoader::Result form = FormLoader::load(formPath, m_area);
    for (const QString& problem : form.problems)
        qWarning("frmPubWorkTime: %s", qUtf8Printable(problem));
    for (int index = 0; index < int(sbt.size()); ++index) {
        sbt[index] = m_area->findChild<Vantric*>(u"sbt(" % QString::number(index) % u')');
        if (sbt[index])
            connect(sbt[index], &Vantric::Click, this, [this, index] { sbt_Click(index); });
    }

    m_tim = new QTimer(this);
    m_tim->setObjectName(QStringLiteral("tim"));
    connect(m_tim, &QTimer::timeout, this, &frmPubWorkTime::tim_Timer);
    m_menw = WorkTimeMenus::build(
        *this, [this](int index) { sbt_Click(index); }, [this](int column) { copyValue(column); });
    WorkExport::addMenu(*m_menw, *this, m_program, *m_works);
    m_tray = WorkTimeMenus::buildTray(*this);

    m_area->installEventFilter(this);
    const double dpi = logicalDpiX();
    ScreenFit::resizeWithin(*this,
        QSize(Twips::toPixels(designWidth, dpi),
            Twips::toPixels(designHeight, dpi) + menuBar()->sizeHint().height()));
    layOutList();
}

void frmPubWorkTime::load()
{
    InterfaceTexts& texts = m_program.interfaceTexts();
    texts.applyMenuTexts(this, m_program.filePath(DataFileName::menus));
    texts.applyControlTexts(this, m_program.filePath(DataFileName::tips));
    AccessibleNames::nameUnnamedControls(*this);
    // Longer captions (another language, a larger font) widen the buttons; the list follows.
    ContentFit::stretchToTexts(*m_area);
    m_buttonRow.clear();
    for (const Vantric* button : sbt)
        m_buttonRow << (button ? button->geometry() : QRect());
    // The last button's right edge and the margin the first keeps on the left.
    const int buttonsEnd = sbt[8] ? sbt[8]->x() + sbt[8]->width() + sbt[0]->x() : 0;
    if (width() < buttonsEnd)
        ScreenFit::resizeWithin(*this, QSize(buttonsEnd, height()));
    layOutList();
    if (const auto interval = m_program.settings().parsed().refreshMs)
        m_tim->setInterval(*interval);
    m_works->setLocale(QLocale());
    m_commands->loadWorks();
    tim_Timer();
    // A list sorted before keeps its order, which only the counted rows can give.
    if (m_works->sortColumn() >= 0)
        m_works->sort(m_works->sortColumn(), m_works->sortOrder());
    applyListStyle();
    layOutList();
    // An interval of 0 stops the timer, as a zero interval always has.
    if (m_tim->interval() > 0)
        m_tim->start();
    else
        m_tim->stop();
    m_loaded = true;
}

int frmPubWorkTime::open()
{
    load();
    setWindowModality(Qt::ApplicationModal);
    // Over the middle of the window that opened it, as a dialog would come up. Before its
    // first showing the window has no frame yet; its owner's frame stands in for it, so every
    // opening comes up at the same place.
    if (const QWidget* owner = parentWidget(); owner && owner->isVisible()) {
        const QRect around = owner->frameGeometry();
        QSize frame = frameGeometry().size();
        if (frame == size())
            frame += around.size() - owner->size();
        const QPoint centred = around.topLeft()
            + QPoint((around.width() - frame.width()) / 2, (around.height() - frame.height()) / 2);
        // On the screen, whatever the owner's size and place.
        const QRect screen = owner->screen()->availableGeometry();
        move(std::clamp(
                 centred.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - frame.width())),
            std::clamp(
                centred.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - frame.height())));
    }
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    m_loop = &loop;
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    return 0;
}

void frmPubWorkTime::rewriteRunningWorks()
{
    m_commands->rewriteRunningWorks();
}

void frmPubWorkTime::followOutsideChange(const QString& fileName)
{
    InterfaceTexts& texts = m_program.interfaceTexts();
    if (fileName == DataFileName::menus)
        texts.applyMenuTexts(this, m_program.filePath(DataFileName::menus));
    if (!isVisible())
        return; // each opening loads everything anew
    if (fileName == DataFileName::tips)
        texts.applyControlTexts(this, m_program.filePath(DataFileName::tips));
    if (fileName == DataFileName::settings) {
        if (const auto interval = m_program.settings().parsed().refreshMs)
            m_tim->start(*interval);
        if (m_tim->interval() == 0)
            m_tim->stop();
    }
    if (fileName == DataFileName::works) {
        const KeptView kept(*m_lsv, [this](int row) { return m_works->work(row).name; });
        m_commands->loadWorks();
        tim_Timer();
        if (m_works->sortColumn() >= 0)
            m_works->sort(m_works->sortColumn(), m_works->sortOrder());
        kept.restore();
    }
    tim_Timer();
    applyListStyle();
    layOutList();
}

void frmPubWorkTime::tim_Timer()
{
    // The decimals are read from the settings record at each refresh, as the main window does.
    std::array<QString, timeUnitCount> decimals;
    for (TimeUnit unit : allTimeUnits)
        decimals[int(unit)] = m_program.settings().decimals(unit);
    if (decimals != m_decimals) {
        m_decimals = decimals;
        m_works->setDecimals(decimals);
    }
    m_works->refreshStarted(m_program.now());
    // A count that grew a digit widens its column: the longest count on screen is measured.
    if (const QList<int> shown = m_lsv->rowsOnScreen(); !shown.isEmpty())
        m_lsv->widenToContents(
            m_works->firstCounter(), { m_works->widestCountRow(shown.first(), shown.last()) });
}

void frmPubWorkTime::sbt_Click(int index)
{
    const QString caption
        = index >= 0 && index < int(sbt.size()) && sbt[index] ? sbt[index]->Caption() : QString();
    m_commands->run(index, caption);
}

void frmPubWorkTime::lsv_ColumnClick(int column)
{
    // The order flips whichever column was clicked before; the list starts ascending.
    const Qt::SortOrder order
        = m_works->sortOrder() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_works->sort(column, order);
    m_lsv->showSortMarker(column, order);
}

void frmPubWorkTime::copyValue(int column)
{
    const auto value = m_commands->copyValue(column);
    if (!value)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    if (!value->isEmpty())
        clipboard->setText(*value);
}

void frmPubWorkTime::applyListStyle()
{
    ApplyWorkListStyle(*m_lsv, *m_works, m_program.settings());
}

int frmPubWorkTime::placeButtons()
{
    // One row as the form places them while the window is wide enough; on a narrower window
    // (a small screen at a large scale) the row goes on below, as text wraps, so no button is
    // cut off. Returns the bottom edge of the last row.
    int bottom = 0;
    if (m_buttonRow.size() != int(sbt.size()) || !sbt[0])
        return bottom;
    const int left = m_buttonRow[0].x();
    const int gap = m_buttonRow.size() > 1 ? m_buttonRow[1].x() - m_buttonRow[0].right() - 1 : left;
    int rowStart = 0; // the one-row x of the first button of the current row
    int top = m_buttonRow[0].y();
    int rowHeight = 0;
    for (int index = 0; index < int(sbt.size()); ++index) {
        const QRect design = m_buttonRow[index];
        if (!sbt[index])
            continue;
        if (index > 0 && left + design.right() + 1 - rowStart + left > m_area->width() && rowHeight > 0) {
            top += rowHeight + gap;
            rowStart = design.x();
            rowHeight = 0;
        } else if (index == 0) {
            rowStart = design.x();
        }
        sbt[index]->move(left + design.x() - rowStart, top);
        rowHeight = std::max(rowHeight, design.height());
        bottom = std::max(bottom, top + design.height());
    }
    return bottom;
}

void frmPubWorkTime::layOutList()
{
    const double dpi = logicalDpiX();
    // The list keeps its place below the buttons, lower when they take more room.
    const int designTop = Twips::toPixels(WorkListLayout::top, dpi);
    const int top = std::max(designTop, placeButtons() + Twips::toPixels(listGap, dpi));
    const WorkListLayout layout = layoutWorkList(Twips::fromPixels(m_area->width(), dpi),
        Twips::fromPixels(m_area->height() - (top - designTop), dpi), Twips::fromPixels(m_lsv->width(), dpi),
        Twips::fromPixels(counterWidth(), dpi));
    m_lsv->setGeometry(Twips::toPixels(WorkListLayout::left, dpi), top,
        layout.width ? Twips::toPixels(*layout.width, dpi) : m_lsv->width(),
        layout.height ? Twips::toPixels(*layout.height, dpi) : m_lsv->height());
    for (int column = 0; column < int(layout.columns.size()); ++column) {
        if (layout.columns[column])
            m_lsv->setColumnWidth(column, Twips::toPixels(*layout.columns[column], dpi));
    }
    fitStatusColumn();
    // The widths above are the least: each column shows its header, and the columns after the
    // names show the rows on screen and the longest counts whole.
    m_lsv->widenToContents(0, {});
    m_lsv->widenToContents(1, m_lsv->rowsOnScreen() << m_works->widestCountRow());
}

int frmPubWorkTime::counterWidth() const
{
    // The widest counter header or count now shown; all five counters get that one width.
    const QAbstractItemView& view = *m_lsv;
    int width = 0;
    for (int column = WorkListModel::Weeks; column <= WorkListModel::Seconds; ++column)
        width = std::max({ width, m_lsv->header()->sectionSizeHint(column), view.sizeHintForColumn(column) });
    return width;
}

void frmPubWorkTime::fitStatusColumn()
{
    // The status column's width is made for the original's narrow font; with a wider one it
    // grows just enough to show "Finished" whole, also when a command first shows it.
    const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96.0;
    const int designed = Twips::toPixels(820, dpi);
    m_lsv->resizeColumnToContents(WorkListModel::Status);
    if (m_lsv->columnWidth(WorkListModel::Status) < designed)
        m_lsv->setColumnWidth(WorkListModel::Status, designed);
}

bool frmPubWorkTime::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area && event->type() == QEvent::Resize)
        layOutList();
    return QMainWindow::eventFilter(watched, event);
}

void frmPubWorkTime::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
    if (m_loop)
        m_loop->quit();
}

void frmPubWorkTime::Form_Unload()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    m_tim->stop();
    // Running works keep running while the window is closed; their time is counted again
    // from their began date-time at the next opening.
    rewriteRunningWorks();
}
