#include "components/ui/TextTargets.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTreeWidget>
#include <QWidget>

namespace TextTargets {

namespace {

bool hasProperty(const QObject* object, const char* name)
{
    return object->metaObject()->indexOfProperty(name) >= 0;
}

// The first of the named properties the object declares receives the text.
bool setFirstProperty(QObject* target, std::initializer_list<const char*> names, const QString& text)
{
    for (const char* name : names) {
        if (hasProperty(target, name))
            return target->setProperty(name, text);
    }
    return false;
}

} // namespace

QObject* find(QWidget* window, const QString& name)
{
    if (!window || name.isEmpty())
        return nullptr;
    if (window->objectName() == name)
        return window;
    if (QObject* child = window->findChild<QObject*>(name))
        return child;
    // Actions may be owned elsewhere yet shown on one of the window's widgets.
    const auto widgets = window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        const auto actions = widget->actions();
        for (QAction* action : actions) {
            if (action->objectName() == name)
                return action;
        }
    }
    return nullptr;
}

bool setCaption(QObject* target, const QString& text)
{
    if (hasProperty(target, "Caption"))
        return target->setProperty("Caption", text);
    auto* widget = qobject_cast<QWidget*>(target);
    if (widget && widget->isWindow()) {
        widget->setWindowTitle(text);
        return true;
    }
    return setFirstProperty(target, { "text", "title", "windowTitle" }, text);
}

bool setToolTip(QObject* target, const QString& text)
{
    return setFirstProperty(target, { "toolTip" }, text);
}

bool setText(QObject* target, const QString& text)
{
    return setFirstProperty(target, { "text", "plainText", "currentText", "Caption" }, text);
}

bool setColumnHeader(QObject* target, int column, const QString& text)
{
    if (column < 0)
        return false;
    if (auto* tree = qobject_cast<QTreeWidget*>(target)) {
        tree->headerItem()->setText(column, text);
        return true;
    }
    auto* view = qobject_cast<QAbstractItemView*>(target);
    if (!view)
        view = target->findChild<QAbstractItemView*>();
    if (!view || !view->model())
        return false;
    return view->model()->setHeaderData(column, Qt::Horizontal, text);
}

bool setListItems(QObject* target, const QStringList& items)
{
    auto* box = qobject_cast<QComboBox*>(target);
    if (!box)
        return false;
    for (int i = 0; i < box->count() && i < items.size(); ++i)
        box->setItemText(i, items[i]);
    return true;
}

bool setMenuCaption(QObject* target, const QString& text)
{
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
        return true;
    }
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
        return true;
    }
    return false;
}

} // namespace TextTargets
