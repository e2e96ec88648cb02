#pragma once

#include <QtGlobal>
#include <qnamespace.h>

class QKeyEvent;

// The codes the button's events carry, as the program's handlers know them: virtual-key codes,
// the Shift mask (1 Shift, 2 Ctrl, 4 Alt) and the Button mask (1 left, 2 right, 4 middle).
namespace Orvane::InputCodes {

qint16 keyCode(const QKeyEvent& event);
qint16 shiftMask(Qt::KeyboardModifiers modifiers);
qint16 buttonMask(Qt::MouseButtons buttons);

} // namespace Orvane::InputCodes
