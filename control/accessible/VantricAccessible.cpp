#include "VantricAccessible.h"

#include "Vantric.h"

#include <QKeySequence>

namespace Orvane {

QString captionWithoutAccessMarker(const QString& caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            ++i; // the marker goes; "&&" leaves one "&"
            if (i == caption.size())
                break;
        }
        text += caption[i];
    }
    return text;
}

VantricAccessible::VantricAccessible(Vantric* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

Vantric* VantricAccessible::button() const
{
    return static_cast<Vantric*>(widget());
}

QString VantricAccessible::text(QAccessible::Text t) const
{
    // A name the window set itself wins, as for every Qt widget.
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return captionWithoutAccessMarker(button()->Caption());
    if (t == QAccessible::Accelerator) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(button()->Caption());
        return mnemonic.toString(QKeySequence::NativeText);
    }
    return QAccessibleWidget::text(t); // the description is the tooltip
}

QAccessible::State VantricAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state(); // focusable, focused, disabled
    state.pressed = button()->isPressed();
    state.defaultButton = button()->Default();
    return state;
}

QStringList VantricAccessible::actionNames() const
{
    QStringList names;
    if (button()->Enabled())
        names << pressAction();
    return names + QAccessibleWidget::actionNames();
}

void VantricAccessible::doAction(const QString& actionName)
{
    // Pressed as Enter presses it: Click, then the link; a disabled button stays silent.
    if (actionName == pressAction())
        button()->AccessKeyPress(13);
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList VantricAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName != pressAction())
        return QAccessibleWidget::keyBindingsForAction(actionName);
    const QString mnemonic = text(QAccessible::Accelerator);
    return mnemonic.isEmpty() ? QStringList() : QStringList { mnemonic };
}

} // namespace Orvane
