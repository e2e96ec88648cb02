#include "ui/main/frmPubMain.h"

#include "components/TextSet.h"
#include "components/ui/InterfaceTexts.h"
#include "models/EventListModel.h"
#include "platform/Desktop.h"
#include "platform/ScreenFit.h"
#include "platform/Twips.h"
#include "stores/DataFiles.h"
#include "stores/EventsFile.h"
#include "stores/SettingsFile.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/ListStyle.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/main/EventsView.h"
#include "ui/main/ListLayout.h"
#include "ui/main/MainCommands.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MenuTips.h"
#include "ui/main/OutsideChanges.h"
#include "ui/main/StatusPanels.h"
#include "ui/main/mdlPubSelf.h"
#include "ui/main/mdlPubTrayIcon.h"
#include "ui/reminders/EventReminders.h"
#include "ui/worktime/frmPubWorkTime.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <cmath>

namespace {

const QString section = QStringLiteral("frmPubMain");

// Design sizes in twips: the client area and the status panels' widths.
constexpr int designClientWidth = 9480;
constexpr int designClientHeight = 5865;
constexpr int panelWidths[4] = { 4154, 2540, 2540, 4286 };

// How long a restored window waits for the window manager's frame before it records again.
constexpr qint64 placementPatience = 5000;
// How long a placement request may go unanswered before it is made again.
constexpr qint64 answerPatience = 500;

// A saved position value as a whole number; no value when the text is not one.
std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 2147483647.0)
        return std::nullopt;
    return int(std::lround(value));
}

} // namespace

frmPubMain::frmPubMain(Program& program, QWidget* parent)
    : QMainWindow(parent)
    , m_program(program)
    , m_help([&program](const QString& address) { program.desktop().openAddress(address); },
          [&program](const QString& key) { return program.text(QStringLiteral("HelpWindow"), key); })
{
    setObjectName(section);
    buildWindow();
    Form_Load();
    new OutsideChanges(*this);
}

frmPubMain::~frmPubMain() = default;

void frmPubMain::buildWindow()
{
    m_commands = new MainCommands(*this);
    m_events = new EventListModel(this);
    m_events->setLocale(QLocale());

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("area"));
    setCentralWidget(area);
    m_lsv = new EventsView(area);
    m_lsv->setObjectName(QStringLiteral("lsv"));
    m_lsv->setModel(m_events);
    QFont listFont = m_lsv->font();
    listFont.setFamily(QStringLiteral("Tahoma"));
    listFont.setPointSizeF(9);
    m_lsv->setFont(listFont);
    connect(m_lsv, &ReportList::headerClicked, this, [this](int column) {
        // The direction flips whichever column was clicked before; the list starts ascending.
        const Qt::SortOrder order
            = m_events->sortOrder() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        m_events->sort(column, order);
        m_lsv->showSortMarker(column, order);
    });
    connect(m_lsv, &ReportList::mouseMoved, this, [this] { panel(1).setText(m_listingText); });
    connect(
        m_lsv, &QAbstractItemView::doubleClicked, this, [this] { m_commands->run(QStringLiteral("mendm")); });
    // The Edit menu pops up where the right button is let go over the list.
    connect(m_lsv, &ReportList::rightButtonReleased, this, [this](const QPoint& at) {
        if (auto* edit = findChild<QMenu*>(QStringLiteral("mend")))
            edit->popup(at);
    });
    area->installEventFilter(this);
    trackMouseOver(area);

    m_tlb = MainMenus::buildToolbar(*this);
    connect(m_tlb, &QToolBar::actionTriggered, this, &frmPubMain::tlb_ButtonClick);
    trackMouseOver(m_tlb);
    MainMenus::build(*this, *m_commands);
    buildStatusBar();
    m_trayIcon = new mdlPubTrayIcon(*this);
    m_trayIcon->setMenu([this] { return &m_commands->workTime().ment(); });
    m_menuTips = new MenuTips(*this, panel(1), m_program.filePath(DataFileName::menuTips));

    m_tim = new QTimer(this);
    m_tim->setObjectName(QStringLiteral("tim"));
    connect(m_tim, &QTimer::timeout, this, &frmPubMain::tim_Timer);
    m_timNow = new QTimer(this);
    m_timNow->setObjectName(QStringLiteral("timNow"));
    m_timNow->setInterval(1000);
    connect(m_timNow, &QTimer::timeout, this, &frmPubMain::timNow_Timer);
    m_placementCheck = new QTimer(this);
    m_placementCheck->setInterval(50);
    connect(m_placementCheck, &QTimer::timeout, this, &frmPubMain::checkPlacement);
    m_timPos = new QTimer(this);
    m_timPos->setObjectName(QStringLiteral("timPos"));
    connect(m_timPos, &QTimer::timeout, this, &frmPubMain::timPos_Timer);

    const double d = dpi();
    resize(Twips::toPixels(designClientWidth, d), Twips::toPixels(designClientHeight, d));
}

void frmPubMain::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("stb"));
    QFont barFont = bar->font();
    barFont.setFamily(QStringLiteral("Tahoma"));
    barFont.setPointSizeF(8.25);
    bar->setFont(barFont);
    const double d = dpi();
    std::array<int, 4> designWidths {};
    for (int i = 0; i < 4; ++i)
        designWidths[size_t(i)] = Twips::toPixels(panelWidths[i], d);
    // The panels share the bar's width themselves, so that they stay apart at every width.
    auto* panels = new StatusPanels(designWidths, bar);
    panels->setObjectName(QStringLiteral("stbPanels"));
    bar->addWidget(panels, 1);
    for (int i = 0; i < 4; ++i) {
        QLabel* label = &panels->panel(i);
        label->setObjectName(u"stbPanel(" % QString::number(i + 1) % u')');
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        m_panels[size_t(i)] = label;
    }
    trackMouseOver(bar);
}

void frmPubMain::trackMouseOver(QWidget* area)
{
    area->setMouseTracking(true);
    area->installEventFilter(this);
    const auto children = area->findChildren<QWidget*>();
    for (QWidget* child : children) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

QLabel& frmPubMain::panel(int number) const
{
    return *m_panels[std::clamp(number, 1, 4) - 1];
}

double frmPubMain::dpi() const
{
    return logicalDpiX() > 0 ? logicalDpiX() : 96.0;
}

void frmPubMain::Form_Load()
{
    applyTexts();
    AccessibleNames::nameUnnamedControls(*this);

    QString error;
    if (!ensureDataFiles(m_program.folder(), m_program.fileSystem(), &error))
        m_program.reportWriteFailure(this, m_program.folder(), error);
    const SettingsFile settingsFile = m_program.settingsFile();
    QString settingsError;
    m_program.settings() = settingsFile.readAtStartup(&settingsError);
    if (!settingsError.isEmpty())
        m_program.reportWriteFailure(this, settingsFile.path(), settingsError);
    loadEvents();
    writeCountText();
    tim_Timer();
    applyListStyle();
    applyRefreshInterval();
    m_menuTips->install();
    timNow_Timer();
    m_timNow->start();
    m_timPos->start(300);
    m_reminders = new EventReminders(
        m_program, *m_events, *m_lsv, panel(1), [this] { mdlPubSelf::bringToFront(*this); }, this);
}

void frmPubMain::applyTexts()
{
    InterfaceTexts& texts = m_program.interfaceTexts();
    texts.applyMenuTexts(this, m_program.filePath(DataFileName::menus));
    texts.applyControlTexts(this, m_program.filePath(DataFileName::tips));
    const QString tips = m_program.filePath(DataFileName::tips);
    m_readyText = TextSet::readText(tips, section, QStringLiteral("Ready"));
    m_listingText = TextSet::readText(tips, section, QStringLiteral("Listing"));
    m_countText = TextSet::readText(tips, section, QStringLiteral("Events"));
    // The list has no caption of its own; screen readers call it what panel 1 calls it.
    m_lsv->setAccessibleName(QString(m_listingText).remove(u'.'));
}

void frmPubMain::loadEvents()
{
    const EventsFile file = m_program.eventsFile();
    QString error;
    if (!m_events->loadFrom(file, m_program.now(), &error))
        m_program.reportWriteFailure(this, file.path(), error);
}

void frmPubMain::writeCountText()
{
    const QString count = QString::number(m_events->rowCount());
    panel(2).setText(m_countText.contains(u"%1") ? m_countText.arg(count) : u"Events: " % count);
}

void frmPubMain::applyListStyle()
{
    ApplyListStyle(*m_lsv, *m_events, m_program.settings());
    widenColumns(); // for the list's font and the rows now listed
}

void frmPubMain::applySettings()
{
    loadEvents();
    writeCountText();
    tim_Timer();
    applyListStyle();
    applyRefreshInterval();
}

void frmPubMain::applyRefreshInterval()
{
    const auto interval = m_program.settings().parsed().refreshMs;
    if (!interval)
        return;
    // An interval of 0 stops the timer, as a zero interval always has.
    if (*interval == 0)
        m_tim->stop();
    else
        m_tim->start(*interval);
}

void frmPubMain::tlb_ButtonClick(QAction* button)
{
    const QString command = MainMenus::commandOf(*button);
    if (!command.isEmpty())
        m_commands->run(command);
}

void frmPubMain::tim_Timer()
{
    // The decimals are taken from the settings record at each refresh, so a changed record
    // shows at the next tick.
    std::array<QString, timeUnitCount> decimals;
    for (TimeUnit unit : allTimeUnits)
        decimals[int(unit)] = m_program.settings().decimals(unit);
    if (decimals != m_decimals) {
        m_decimals = decimals;
        m_events->setDecimals(decimals);
    }
    m_events->refreshAll(m_program.now());
    // A count that grew a digit widens its column: the longest count on screen is measured.
    if (const QList<int> shown = m_lsv->rowsOnScreen(); !shown.isEmpty())
        m_lsv->widenToContents(
            m_events->firstCounter(), { m_events->widestCountRow(shown.first(), shown.last()) });
}

void frmPubMain::timNow_Timer()
{
    panel(3).setText(m_program.now().toText());
}

void frmPubMain::timPos_Timer()
{
    if (isMinimized() || m_placement)
        return;
    const QRect frame = outerGeometry();
    const SettingsFile file = m_program.settingsFile();
    for (const auto& [key, pixels] :
        { std::pair { SettingKey::Left, frame.x() }, std::pair { SettingKey::Top, frame.y() } }) {
        const QString current = savedTwips(key, pixels);
        // An empty saved value counts as 0, as it always has.
        if (current == m_program.settings().value(key)
            || (m_program.settings().value(key).isEmpty() && current == u"0"))
            continue;
        m_program.settings().setValue(key, current);
        file.writeValue(key, current);
    }
}

void frmPubMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmPubMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmPubMain::Form_Resize()
{
    // Applying the saved position resizes the window again; those resizes only lay out.
    if (!m_applyingPosition) {
        // A minimized window lives in the notification area when the desktop takes its icon.
        if (isMinimized() && !m_program.restoring)
            m_trayIcon->goToTray();
        if (m_program.restoring) {
            m_applyingPosition = true;
            applySavedPosition();
            m_applyingPosition = false;
        } else {
            recordPosition();
        }
    }
    layOutList();
}

void frmPubMain::applySavedPosition()
{
    const Settings& saved = m_program.settings();
    if (saved.value(SettingKey::Width).isEmpty()) {
        m_placement.reset();
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        return;
    }
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const double d = dpi();
    // The saved values are the outer edges and size; a value that does not convert keeps
    // what the window has.
    QRect outer = frameGeometry();
    if (const auto left = wholeNumber(saved.value(SettingKey::Left)))
        outer.moveLeft(Twips::toPixels(*left, d));
    if (const auto top = wholeNumber(saved.value(SettingKey::Top)))
        outer.moveTop(Twips::toPixels(*top, d));
    if (const auto width = wholeNumber(saved.value(SettingKey::Width)))
        outer.setWidth(std::max(1, Twips::toPixels(*width, d)));
    if (const auto height = wholeNumber(saved.value(SettingKey::Height)))
        outer.setHeight(std::max(1, Twips::toPixels(*height, d)));
    // Whatever the saved numbers say, the window comes up where it can be seen and used.
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QSize frameExtra = outerGeometry().size() - geometry().size();
    outer = fitOnScreens(outer, minimumSizeHint() + frameExtra, screens);
    placeOuter(outer);
    // Under X the window manager frames the window only after it is shown, and it may frame it
    // anew after a restore: the window is placed again until the frame it really got is where
    // it was saved. Meanwhile nothing is recorded, so the saved outer edges do not creep by
    // the frame at each start.
    if (QGuiApplication::platformName() == u"xcb") {
        if (QWindow* native = windowHandle())
            native->installEventFilter(this);
        m_placement = outer;
        m_placementAge.start();
        m_placementCheck->start();
    }
}

QRect frmPubMain::outerGeometry() const
{
    // The widget keeps the frame it knew at its last move or resize; the native window learns
    // of the window manager's frame when it arrives, which may be after the last move.
    // Only an X window manager frames the window late; elsewhere the widget's frame is the one.
    const QWindow* native = windowHandle();
    if (native && QGuiApplication::platformName() == u"xcb")
        return native->frameGeometry();
    return frameGeometry();
}

void frmPubMain::placeOuter(const QRect& outer)
{
    const QRect inner = geometry();
    const QRect frame = outerGeometry();
    const QMargins border(inner.left() - frame.left(), inner.top() - frame.top(),
        frame.right() - inner.right(), frame.bottom() - inner.bottom());
    const QRect wanted = outer.marginsRemoved(border);
    if (wanted == inner)
        return;
    setGeometry(wanted);
    // Until the window manager answers, the geometry the window reports is only the request.
    m_awaitingAnswer = isVisible();
    m_requestAge.start();
}

void frmPubMain::checkPlacement()
{
    // A window the user maximized meanwhile is where the user wants it.
    if (m_placement && isMaximized())
        m_placement.reset();
    if (!m_placement || isMinimized() || !isVisible()) {
        if (!m_placement)
            m_placementCheck->stop();
        return;
    }
    if (m_placementAge.elapsed() >= placementPatience) {
        m_placement.reset();
        m_placementCheck->stop();
        return;
    }
    // Judged only on what the window manager has done: the window mapped in its frame and the
    // last request answered (or long unanswered, when it is made again).
    const QWindow* native = windowHandle();
    if (!native || !native->isExposed() || native->frameMargins().isNull())
        return;
    if (m_awaitingAnswer && m_requestAge.elapsed() < answerPatience)
        return;
    m_awaitingAnswer = false;
    if (outerGeometry() != *m_placement) {
        placeOuter(*m_placement);
        return;
    }
    m_placement.reset();
    m_placementCheck->stop();
}

QString frmPubMain::savedTwips(SettingKey key, int pixels) const
{
    // A saved value that still names this pixel stays as written, so an unmoved window leaves
    // the file as it was even where the value is not a whole number of pixels.
    const QString saved = m_program.settings().value(key);
    const auto twips = wholeNumber(saved);
    if (twips && Twips::toPixels(*twips, dpi()) == pixels)
        return saved;
    return QString::number(Twips::fromPixels(pixels, dpi()));
}

void frmPubMain::recordPosition()
{
    if (m_placement)
        return;
    Settings& saved = m_program.settings();
    if (isMaximized()) {
        for (SettingKey key : { SettingKey::Left, SettingKey::Top, SettingKey::Width, SettingKey::Height })
            saved.setValue(key, QString());
    } else if (!isMinimized()) {
        const QRect frame = outerGeometry();
        saved.setValue(SettingKey::Left, savedTwips(SettingKey::Left, frame.x()));
        saved.setValue(SettingKey::Top, savedTwips(SettingKey::Top, frame.y()));
        saved.setValue(SettingKey::Width, savedTwips(SettingKey::Width, frame.width()));
        saved.setValue(SettingKey::Height, savedTwips(SettingKey::Height, frame.height()));
    }
    writePosition();
}

void frmPubMain::writePosition()
{
    QList<std::pair<SettingKey, QString>> position;
    for (SettingKey key : { SettingKey::Left, SettingKey::Top, SettingKey::Width, SettingKey::Height })
        position.append({ key, m_program.settings().value(key) });
    m_program.settingsFile().writeValues(position);
}

void frmPubMain::layOutList()
{
    const double d = dpi();
    const QWidget* area = centralWidget();
    const ListLayout layout = layoutList(Twips::fromPixels(area->width(), d),
        Twips::fromPixels(area->height(), d), Twips::fromPixels(m_lsv->width(), d));
    const int margin = Twips::toPixels(ListLayout::margin, d);
    m_lsv->setGeometry(margin, margin, layout.width ? Twips::toPixels(*layout.width, d) : m_lsv->width(),
        layout.height ? Twips::toPixels(*layout.height, d) : m_lsv->height());
    for (int column = 0; column < int(layout.columns.size()); ++column) {
        if (layout.columns[column])
            m_lsv->setColumnWidth(column, Twips::toPixels(*layout.columns[column], d));
    }
    widenColumns();
}

void frmPubMain::widenColumns()
{
    // The widths above are the least: a larger font or scale, or a longer count, widens a
    // column to its header and to the counts on screen and the longest counts of all. The
    // names share what is left, as they always have, showing at least their header.
    m_lsv->widenToContents(0, {});
    m_lsv->widenToContents(1, m_lsv->rowsOnScreen() << m_events->widestCountRow());
}

void frmPubMain::mouseMoveEvent(QMouseEvent* event)
{
    panel(1).setText(m_readyText);
    QMainWindow::mouseMoveEvent(event);
}

bool frmPubMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle()) {
        // The native window moves and resizes only on the window manager's word.
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
            m_awaitingAnswer = false;
            if (m_placement)
                QMetaObject::invokeMethod(this, &frmPubMain::checkPlacement, Qt::QueuedConnection);
        }
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseMove)
        panel(1).setText(m_readyText);
    if (event->type() == QEvent::Resize && watched == centralWidget())
        layOutList();
    return QMainWindow::eventFilter(watched, event);
}

void frmPubMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmPubMain::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_tim->stop();
    m_timNow->stop();
    m_timPos->stop();
    QString error;
    if (!ensureDataFiles(m_program.folder(), m_program.fileSystem(), &error))
        m_program.reportWriteFailure(this, m_program.folder(), error);
    m_menuTips->uninstall();
    for (const char* name :
        { "frmPubAbout", "frmPubCalc", "frmPubDetail", "frmPubOptions", "frmPubWorkTime" }) {
        const QString windowName = QString::fromLatin1(name);
        if (QWidget* other = findChild<QWidget*>(windowName))
            other->close();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != this && top->objectName() == windowName)
                top->close();
        }
    }
    m_program.releaseComponents();
    Desktop& desktop = m_program.desktop();
    if (const quintptr helpWindow = desktop.findWindow(QStringLiteral("KRN Help")); helpWindow > 1)
        desktop.sendWindowMessage(helpWindow, 16, 0, 0);
    m_help.close();
    Q_EMIT unloaded();
}
