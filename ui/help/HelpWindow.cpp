#include "HelpWindow.h"

#include "HelpNavigation.h"
#include "HelpTopics.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QListWidgetItem>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& startPage, LinkOpener openExternal, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_openExternal(std::move(openExternal))
{
    setObjectName(QStringLiteral("HelpWindow"));
    // The main window finds and closes the help by this exact title.
    setWindowTitle(QStringLiteral("KRN Help"));
    buildLayout();
    buildShortcuts();
    resize(900, 650);
    showStart(startPage);
}

QUrl HelpWindow::currentPage() const
{
    return m_browser->source();
}

void HelpWindow::openLink(const QUrl& url)
{
    if (isExternalLink(url)) {
        if (m_openExternal)
            m_openExternal(url.toString());
        return;
    }
    const QUrl target = currentPage().resolved(url);
    QUrl page = target;
    page.setFragment(QString());
    // A link to a page that is not there leaves the reader where they are.
    if (helpPageExists(page))
        m_browser->setSource(target);
}

bool HelpWindow::findText(const QString& text, bool backward)
{
    m_findStatus->clear();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags
        = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_browser->find(text, flags))
        return true;
    // Wrap round: start again from the other end of the page.
    QTextCursor cursor = m_browser->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    m_browser->setTextCursor(cursor);
    if (m_browser->find(text, flags))
        return true;
    m_findStatus->setText(m_notFound);
    return false;
}

void HelpWindow::applyTexts(const TextLookup& text)
{
    if (!text)
        return;
    const auto apply = [&text](const char* key, const auto& set) {
        const QString value = text(QString::fromLatin1(key));
        if (!value.isEmpty())
            set(value);
    };
    apply("Back", [this](const QString& value) { m_back->setText(value); });
    apply("BackTip", [this](const QString& value) { m_back->setToolTip(value); });
    apply("Forward", [this](const QString& value) { m_forward->setText(value); });
    apply("ForwardTip", [this](const QString& value) { m_forward->setToolTip(value); });
    apply("Home", [this](const QString& value) { m_homeButton->setText(value); });
    apply("HomeTip", [this](const QString& value) { m_homeButton->setToolTip(value); });
    apply("Find", [this](const QString& value) { m_find->setPlaceholderText(value); });
    apply("NotFound", [this](const QString& value) { m_notFound = value; });
    const QList<HelpTopic> topics = helpTopics();
    for (int row = 0; row < topics.size(); ++row) {
        const QString title = text(topics.at(row).page);
        if (!title.isEmpty())
            m_contents->item(row)->setText(title);
    }
}

void HelpWindow::buildLayout()
{
    m_back = new QPushButton(QStringLiteral("Back"), this);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setToolTip(QStringLiteral("Previous page (Alt+Left)"));
    m_forward = new QPushButton(QStringLiteral("Forward"), this);
    m_forward->setObjectName(QStringLiteral("forward"));
    m_forward->setToolTip(QStringLiteral("Next page (Alt+Right)"));
    m_homeButton = new QPushButton(QStringLiteral("Home"), this);
    m_homeButton->setObjectName(QStringLiteral("home"));
    m_homeButton->setToolTip(QStringLiteral("Contents (Alt+Home)"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("find"));
    m_find->setPlaceholderText(QStringLiteral("Find in page (Ctrl+F)"));
    m_find->setMinimumWidth(220);
    m_find->setClearButtonEnabled(true);
    m_find->setMaximumWidth(260);
    m_findStatus = new QLabel(this);
    m_findStatus->setObjectName(QStringLiteral("findStatus"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_homeButton);
    bar->addStretch(1);
    bar->addWidget(m_findStatus);
    bar->addWidget(m_find);

    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("contents"));
    for (const HelpTopic& topic : helpTopics())
        m_contents->addItem(topic.title);
    m_contents->setSpacing(3);
    m_contents->setMinimumWidth(180);
    m_contents->setMaximumWidth(280);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    // Every link goes through openLink, so web and mail links never load inside the window.
    m_browser->setOpenLinks(false);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_homeButton, &QPushButton::clicked, this, [this] { openLink(m_home); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::openLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::syncWithPage);
    connect(m_contents, &QListWidget::currentRowChanged, this, &HelpWindow::followContents);
    connect(m_find, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Typing searches again from the top, so the first match is the one shown.
        m_browser->moveCursor(QTextCursor::Start);
        findText(text);
    });
    connect(m_find, &QLineEdit::returnPressed, this,
        [this] { findText(m_find->text(), QApplication::keyboardModifiers().testFlag(Qt::ShiftModifier)); });
}

void HelpWindow::buildShortcuts()
{
    const auto add = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    add(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { m_browser->backward(); });
    add(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { m_browser->forward(); });
    add(QKeySequence(Qt::ALT | Qt::Key_Home), [this] { openLink(m_home); });
    add(QKeySequence(Qt::Key_Escape), [this] { close(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
        m_find->setFocus(Qt::ShortcutFocusReason);
        m_find->selectAll();
    });
    add(QKeySequence(Qt::Key_F3), [this] { findText(m_find->text()); });
    add(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findText(m_find->text(), true); });
}

void HelpWindow::showStart(const QString& startPage)
{
    const QUrl start = resolveHelpStart(startPage);
    if (start.isEmpty()) {
        m_browser->setHtml(missingHelpHtml(startPage));
        m_contents->setEnabled(false);
        m_homeButton->setEnabled(false);
        m_find->setEnabled(false);
        return;
    }
    // Home is the contents page beside the start page, whichever page the window opened on.
    const QUrl index = start.resolved(QUrl(QStringLiteral("index.html")));
    m_home = helpPageExists(index) ? index : start;
    m_browser->setSource(start);
    syncWithPage(start);
}

void HelpWindow::followContents(int row)
{
    const QList<HelpTopic> topics = helpTopics();
    if (row < 0 || row >= topics.size() || m_home.isEmpty())
        return;
    const QUrl target = m_home.resolved(QUrl(topics.at(row).page));
    if (target.adjusted(QUrl::RemoveFragment) != currentPage().adjusted(QUrl::RemoveFragment))
        openLink(target);
}

void HelpWindow::syncWithPage(const QUrl& shown)
{
    // Takes the page from the signal: the browser announces a new page before source() has it.
    const QString page = shown.fileName();
    const QList<HelpTopic> topics = helpTopics();
    int row = -1;
    for (int i = 0; i < topics.size(); ++i) {
        if (topics.at(i).page == page)
            row = i;
    }
    const QSignalBlocker blocker(m_contents);
    m_contents->setCurrentRow(row);
}
