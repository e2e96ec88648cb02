#include "ui/worktime/WorkTimeMenus.h"

#include "models/WorkListModel.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr QKeyCombination none {};

struct CommandEntry
{
    const char* name; // a name of six letters with "s" in the fifth place is a separator
    int index; // the button whose command it runs; -1 for the copy submenu
    QKeyCombination key;
};

constexpr CommandEntry commandEntries[] = {
    { "menwn", 0, QKeyCombination(Qt::Key_F5) },
    { "menwr", 1, QKeyCombination(Qt::Key_F2) },
    { "menwd", 2, QKeyCombination(Qt::Key_Delete) },
    { "menwl", 3, Qt::CTRL | Qt::Key_L },
    { "menwsa", 0, none },
    { "menwf", 4, QKeyCombination(Qt::Key_F3) },
    { "menwsb", 0, none },
    { "menwe", 5, Qt::CTRL | Qt::Key_R },
    { "menwp", 6, Qt::CTRL | Qt::Key_P },
    { "menws", 7, Qt::CTRL | Qt::Key_S },
    { "menwsc", 0, none },
    { "menwo", -1, none },
    { "menwsd", 0, none },
    { "menwc", 8, none },
};

struct CopyEntry
{
    const char* name;
    int column;
    QKeyCombination key;
};

// Shift+F10 opens context menus, so the last entry takes Shift+F11.
constexpr CopyEntry copyEntries[] = {
    { "menwow", WorkListModel::Name, Qt::SHIFT | Qt::Key_F1 },
    { "menwob", WorkListModel::Began, Qt::SHIFT | Qt::Key_F2 },
    { "menwof", WorkListModel::Finished, Qt::SHIFT | Qt::Key_F3 },
    { "menwoy", WorkListModel::Years, Qt::SHIFT | Qt::Key_F4 },
    { "menwom", WorkListModel::Months, Qt::SHIFT | Qt::Key_F5 },
    { "menwoe", WorkListModel::Weeks, Qt::SHIFT | Qt::Key_F6 },
    { "menwod", WorkListModel::Days, Qt::SHIFT | Qt::Key_F7 },
    { "menwoh", WorkListModel::Hours, Qt::SHIFT | Qt::Key_F8 },
    { "menwoi", WorkListModel::Minutes, Qt::SHIFT | Qt::Key_F9 },
    { "menwos", WorkListModel::Seconds, Qt::SHIFT | Qt::Key_F11 },
};

bool isSeparator(const QString& name)
{
    return name.size() == 6 && name[4] == u's';
}

QAction* addNamed(QMenu* menu, const QString& name)
{
    QAction* action = isSeparator(name) ? menu->addSeparator() : menu->addAction(name);
    action->setObjectName(name);
    return action;
}

} // namespace

namespace WorkTimeMenus {

QMenu* build(QMainWindow& window, std::function<void(int)> command, std::function<void(int)> copy)
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("mnuBar"));
    QMenu* menw = bar->addMenu(QStringLiteral("menw"));
    menw->setObjectName(QStringLiteral("menw"));
    for (const CommandEntry& entry : commandEntries) {
        const QString name = QString::fromLatin1(entry.name);
        if (entry.index < 0) {
            QMenu* submenu = menw->addMenu(name);
            submenu->setObjectName(name);
            submenu->menuAction()->setObjectName(name + u"Action");
            for (const CopyEntry& item : copyEntries) {
                QAction* action = addNamed(submenu, QString::fromLatin1(item.name));
                action->setShortcut(QKeySequence(item.key));
                QObject::connect(
                    action, &QAction::triggered, &window, [copy, column = item.column] { copy(column); });
            }
            continue;
        }
        QAction* action = addNamed(menw, name);
        if (action->isSeparator())
            continue;
        if (entry.key != none)
            action->setShortcut(QKeySequence(entry.key));
        QObject::connect(
            action, &QAction::triggered, &window, [command, index = entry.index] { command(index); });
    }
    return menw;
}

WorkTrayMenu buildTray(QWidget& window)
{
    WorkTrayMenu tray;
    tray.ment = new QMenu(QStringLiteral("ment"), &window);
    tray.ment->setObjectName(QStringLiteral("ment"));
    QMenu* menu = tray.ment;
    const auto add = [menu](const char* name) { return addNamed(menu, QString::fromLatin1(name)); };
    tray.ments = add("ments");
    add("mentsa");
    tray.menth = add("menth");
    add("mentsb");
    tray.mentt = add("mentt");
    tray.mentw = add("mentw");
    tray.mentc = add("mentc");
    add("mentsc");
    tray.mentl = add("mentl");
    add("mentsd");
    tray.menta = add("menta");
    add("mentse");
    tray.mentx = add("mentx");
    return tray;
}

} // namespace WorkTimeMenus
