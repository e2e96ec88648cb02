// The button's input rules: focus, access keys, the key latch, the mouse, and hover tracking.
#include "Vantric.h"

#include "InputCodes.h"
#include "VantricState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>

using namespace Orvane;

namespace {

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Enter and Space click the button; every other key is the window's.
bool usesKey(qint16 keyCode)
{
    return keyCode == 13 || keyCode == 32;
}

} // namespace

void Vantric::raiseClick()
{
    // A Click handler may close the window that holds the button.
    QPointer<Vantric> self(this);
    Q_EMIT Click();
    if (self)
        GoToURL();
}

void Vantric::AccessKeyPress(qint16 keyAscii)
{
    if (Enabled() && (keyAscii == 13 || keyAscii == 27))
        raiseClick();
}

void Vantric::updateShortcuts()
{
    const auto regrab = [this](int& id, bool wanted, const QKeySequence& keys) {
        if (id != 0)
            releaseShortcut(id);
        id = (wanted && !keys.isEmpty()) ? grabShortcut(keys, Qt::WindowShortcut) : 0;
    };
    regrab(d->mnemonicShortcut, true, QKeySequence::mnemonic(d->caption));
    regrab(d->enterShortcut, d->isDefault, QKeySequence(Qt::Key_Return));
    regrab(d->keypadEnterShortcut, d->isDefault, QKeySequence(Qt::Key_Enter));
    regrab(d->escapeShortcut, d->isCancel, QKeySequence(Qt::Key_Escape));
}

bool Vantric::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // A focused button takes Enter itself, before any default button of its window.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnterKey(key->key()) || key->key() == Qt::Key_Space) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        const int id = shortcut->shortcutId();
        if (id != 0 && (id == d->enterShortcut || id == d->keypadEnterShortcut)) {
            AccessKeyPress(13);
        } else if (id != 0 && id == d->escapeShortcut) {
            AccessKeyPress(27);
        } else if (id != 0 && id == d->mnemonicShortcut) {
            // The window moves the focus to the button and reports the letter.
            setFocus(Qt::ShortcutFocusReason);
            const QString letter = shortcut->key().toString().right(1).toLower();
            AccessKeyPress(letter.isEmpty() ? qint16(0) : static_cast<qint16>(letter.at(0).unicode()));
        }
        return true;
    }
    return QWidget::event(event);
}

void Vantric::focusInEvent(QFocusEvent*)
{
    d->hasFocus = true;
    Refresh();
}

void Vantric::focusOutEvent(QFocusEvent*)
{
    d->hasFocus = false;
    d->isPressed = false;
    Refresh();
}

void Vantric::keyPressEvent(QKeyEvent* event)
{
    const qint16 code = InputCodes::keyCode(*event);
    const qint16 shift = InputCodes::shiftMask(event->modifiers());
    // The latch makes one click per press: repeated key-downs of a held key do nothing.
    if (!d->keyLatch) {
        QPointer<Vantric> self(this);
        if (code == 13) {
            raiseClick();
        } else if (code == 32) {
            d->isPressed = true;
            Refresh();
            raiseClick();
        }
        if (!self)
            return;
        d->keyLatch = true;
    }
    Q_EMIT KeyDown(code, shift);
    if (!event->text().isEmpty())
        Q_EMIT KeyPress(static_cast<qint16>(event->text().at(0).unicode()));
    // As a button does, the keys the button does not use go on to its window, so Esc reaches
    // the window's cancel button and its own Esc handling from here too.
    event->setAccepted(usesKey(code));
}

void Vantric::keyReleaseEvent(QKeyEvent* event)
{
    // Some platforms send a release before every repeated press; a held key is still down.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    const qint16 code = InputCodes::keyCode(*event);
    if (code == 32) {
        d->isPressed = false;
        Refresh();
    }
    d->keyLatch = false;
    Q_EMIT KeyUp(code, InputCodes::shiftMask(event->modifiers()));
    event->setAccepted(usesKey(code));
}

void Vantric::handleMouseDown(qint16 button, qint16 shift, float x, float y)
{
    d->lastButton = button;
    d->lastShift = shift;
    d->lastX = x;
    d->lastY = y;
    if (button != 2) {
        d->isPressed = true;
        Refresh();
    }
    Q_EMIT MouseDown(button, shift, x, y);
}

void Vantric::mousePressEvent(QMouseEvent* event)
{
    d->pressSinceRelease = true;
    const QPointF at = event->position();
    handleMouseDown(InputCodes::buttonMask(event->button()), InputCodes::shiftMask(event->modifiers()),
        static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void Vantric::mouseDoubleClickEvent(QMouseEvent*)
{
    // Where the platform does not precede the double click with a press of its own, replay the
    // last one, so that the second click of a fast double click still counts. The double click
    // holds the mouse for the button until its release, as a press does.
    if (d->pressSinceRelease)
        return;
    d->pressSinceRelease = true;
    handleMouseDown(d->lastButton, d->lastShift, d->lastX, d->lastY);
}

void Vantric::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    const qint16 shift = InputCodes::shiftMask(event->modifiers());
    const bool inside = at.x() >= 0 && at.x() < width() && at.y() >= 0 && at.y() < height();
    if (inside && !d->isHovering)
        enterHover(shift);
    Q_EMIT MouseMove(InputCodes::buttonMask(event->buttons()), shift, static_cast<float>(at.x()),
        static_cast<float>(at.y()));
}

void Vantric::mouseReleaseEvent(QMouseEvent* event)
{
    d->pressSinceRelease = false;
    const QPointF at = event->position();
    const qint16 button = InputCodes::buttonMask(event->button());
    const qint16 shift = InputCodes::shiftMask(event->modifiers());
    const float x = static_cast<float>(at.x());
    const float y = static_cast<float>(at.y());
    d->isPressed = false;
    if (button != 2) {
        Refresh();
        if (x >= 0 && x < width() && y >= 0 && y < height()) {
            QPointer<Vantric> self(this);
            raiseClick();
            if (!self)
                return;
        }
    }
    Q_EMIT MouseUp(button, shift, x, y);
}

void Vantric::SetHoverProbe(std::function<bool()> pointerIsOver)
{
    d->hoverProbe = std::move(pointerIsOver);
}

void Vantric::enterHover(qint16 shift)
{
    d->overTimer.start();
    d->isHovering = true;
    if (d->pictureHover.hasImage())
        d->picture = d->pictureHover;
    Q_EMIT MouseIn(shift);
    Refresh();
}

void Vantric::overTimerTick()
{
    // A window lying over the button counts as leaving it.
    const bool over = d->hoverProbe ? d->hoverProbe() : QApplication::widgetAt(QCursor::pos()) == this;
    if (over)
        return;
    d->overTimer.stop();
    d->isHovering = false;
    d->picture = d->normalPicture;
    Q_EMIT MouseOut(d->lastShift);
    Refresh();
    if (d->isPressed) {
        // Shown unpressed while away; the flag stays for a return of the pointer.
        d->isPressed = false;
        Refresh();
        d->isPressed = true;
    }
}
