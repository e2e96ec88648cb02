#include "ui/common/AccessibleNames.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>

namespace {

// Marks a name given here, so a later call (new texts) may replace it.
constexpr char givenName[] = "krnGivenAccessibleName";

QString withoutAccessMarker(const QString& caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        text += caption[i];
    }
    return text.simplified();
}

bool wantsName(const QWidget& widget)
{
    if (widget.isWindow() || !(widget.focusPolicy() & Qt::TabFocus))
        return false;
    // Inner parts of a composite control (a spin box's line edit) are named by the control.
    return !widget.focusProxy() && !qobject_cast<const QAbstractItemView*>(widget.parentWidget());
}

QString buddyCaption(const QWidget& window, const QWidget& control)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() == &control && !label->text().isEmpty())
            return withoutAccessMarker(label->text());
    }
    return {};
}

QString groupCaption(const QWidget& control)
{
    for (const QWidget* up = control.parentWidget(); up && !up->isWindow(); up = up->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(up))
            return withoutAccessMarker(group->title());
    }
    return {};
}

QString nameFor(const QWidget& window, const QWidget& control)
{
    QString name = buddyCaption(window, control);
    if (name.isEmpty())
        name = withoutAccessMarker(control.toolTip());
    if (name.isEmpty())
        name = groupCaption(control);
    return name;
}

QString currentName(QWidget& control)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&control);
    return face ? face->text(QAccessible::Name) : control.accessibleName();
}

} // namespace

namespace AccessibleNames {

void nameUnnamedControls(QWidget& window)
{
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!wantsName(*control))
            continue;
        const bool ours = control->property(givenName).toBool();
        if (ours)
            control->setAccessibleName(QString());
        else if (!currentName(*control).isEmpty())
            continue; // named by the window or by its own caption
        const QString name = nameFor(window, *control);
        control->setAccessibleName(name);
        control->setProperty(givenName, !name.isEmpty());
    }
}

} // namespace AccessibleNames
