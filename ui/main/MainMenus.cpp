#include "ui/main/MainMenus.h"

#include "ui/main/MainCommands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace {

struct Entry
{
    const char* name; // a name with the separator letter "s" in the fourth place is a separator
    QKeyCombination key;
};

struct Menu
{
    const char* name;
    QList<Entry> entries;
};

constexpr QKeyCombination none {};

const QList<Menu>& menus()
{
    static const QList<Menu> list = {
        { "mene",
            { { "menen", Qt::CTRL | Qt::Key_N }, { "menesa", none }, { "menes", Qt::CTRL | Qt::Key_S },
                { "menel", Qt::CTRL | Qt::Key_L }, { "menesc", none }, { "menei", none }, { "menee", none },
                { "menesb", none }, { "menex", none } } },
        { "mend",
            { { "mendm", Qt::CTRL | Qt::Key_M }, { "mendd", QKeyCombination(Qt::Key_Delete) },
                { "mendc", none }, { "mendsa", none }, { "menda", Qt::CTRL | Qt::Key_A }, { "mends", none },
                { "mendsb", none }, { "mendf", QKeyCombination(Qt::Key_F3) }, { "mendsc", none },
                { "mendo", none } } },
        { "mendo",
            { { "mendoe", Qt::SHIFT | Qt::Key_F1 }, { "mendod", Qt::SHIFT | Qt::Key_F2 },
                { "mendoy", Qt::SHIFT | Qt::Key_F3 }, { "mendom", Qt::SHIFT | Qt::Key_F4 },
                { "mendow", Qt::SHIFT | Qt::Key_F5 }, { "mendoa", Qt::SHIFT | Qt::Key_F6 },
                { "mendoh", Qt::SHIFT | Qt::Key_F7 }, { "mendoi", Qt::SHIFT | Qt::Key_F8 },
                { "mendos", Qt::SHIFT | Qt::Key_F9 } } },
        { "ment",
            { { "mentw", QKeyCombination(Qt::Key_F4) }, { "mentc", QKeyCombination(Qt::Key_F6) },
                { "mentsa", none }, { "mento", QKeyCombination(Qt::Key_F7) }, { "mentr", none } } },
        { "menh",
            { { "menhh", QKeyCombination(Qt::Key_F1) }, { "menhsa", none }, { "menht", none },
                { "menhw", none }, { "menhc", none }, { "menhsb", none }, { "menhl", none },
                { "menhsc", none }, { "menha", none } } },
    };
    return list;
}

// Separators are named with an "s" and a letter after the menu's own letter.
bool isSeparator(const QString& name)
{
    return name.size() == 6 && name[4] == u's';
}

// The eleven toolbar buttons in order: the English caption the button starts with and the
// command it runs; a null caption marks a separator.
struct ToolbarButton
{
    const char* caption;
    const char* command;
};
constexpr ToolbarButton toolbarButtons[] = {
    { "New", "menen" },
    { "Save", "menes" },
    { "Load", "menel" },
    { nullptr, nullptr },
    { "Modify", "mendm" },
    { "Delete", "mendd" },
    { "Clear", "mendc" },
    { "All", "menda" },
    { "Find", "mendf" },
    { nullptr, nullptr },
    { "Work", "mentw" },
    { "Calc", "mentc" },
    { "Options", "mento" },
};

// Stand-ins from the style until the program has toolbar images of its own.
constexpr QStyle::StandardPixmap toolbarIcons[] = {
    QStyle::SP_FileIcon,
    QStyle::SP_DialogSaveButton,
    QStyle::SP_DialogOpenButton,
    QStyle::SP_FileDialogDetailedView,
    QStyle::SP_TrashIcon,
    QStyle::SP_DialogResetButton,
    QStyle::SP_DialogApplyButton,
    QStyle::SP_FileDialogContentsView,
    QStyle::SP_MediaPlay,
    QStyle::SP_FileDialogInfoView,
    QStyle::SP_FileDialogListView,
};

} // namespace

namespace MainMenus {

void build(QMainWindow& window, MainCommands& commands)
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("mnuBar"));
    QHash<QString, QMenu*> built;
    for (const Menu& menu : menus()) {
        const QString menuName = QString::fromLatin1(menu.name);
        QMenu* target = built.value(menuName);
        if (!target) {
            target = bar->addMenu(menuName);
            target->setObjectName(menuName);
            built.insert(menuName, target);
        }
        for (const Entry& entry : menu.entries) {
            const QString name = QString::fromLatin1(entry.name);
            if (name == u"mendo") {
                QMenu* submenu = target->addMenu(name);
                submenu->setObjectName(name);
                submenu->menuAction()->setObjectName(name + u"Action");
                built.insert(name, submenu);
                continue;
            }
            QAction* action = isSeparator(name) ? target->addSeparator() : target->addAction(name);
            action->setObjectName(name);
            if (entry.key != none)
                action->setShortcut(QKeySequence(entry.key));
            if (!action->isSeparator())
                QObject::connect(
                    action, &QAction::triggered, &commands, [&commands, name] { commands.run(name); });
        }
    }
}

QToolBar* buildToolbar(QMainWindow& window)
{
    auto* toolbar = new QToolBar(&window);
    toolbar->setObjectName(QStringLiteral("tlb"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // One size for every image, whatever size the style's stand-ins come in.
    toolbar->setIconSize(QSize(24, 24));
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    int button = 0;
    for (const ToolbarButton& entry : toolbarButtons) {
        if (!entry.caption) {
            toolbar->addSeparator();
            continue;
        }
        const QIcon icon = window.style()->standardIcon(toolbarIcons[button]);
        ++button;
        QAction* action = toolbar->addAction(icon, QString::fromLatin1(entry.caption));
        action->setObjectName(u"tlb(" % QString::number(button) % u')');
        // The button knows its command, so any caption the text files give it runs it.
        action->setData(QString::fromLatin1(entry.command));
    }
    window.addToolBar(Qt::TopToolBarArea, toolbar);
    return toolbar;
}

QString commandOf(const QAction& button)
{
    return button.data().toString();
}

} // namespace MainMenus
