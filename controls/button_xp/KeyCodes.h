#pragma once

#include <QtGlobal>
#include <qnamespace.h>

namespace voxtrel {

// The numbers the button's events use: Windows virtual-key codes for keys (Space 32, Up 38,
// Down 40, letters and digits as their upper-case ASCII, punctuation as on a US keyboard,
// comma 188, minus 189, period 190), Shift 1 | Ctrl 2 | Alt 4 for the
// modifiers, and 1 left | 2 right | 4 middle for the mouse buttons.
// Modifiers tell the numeric keypad's keys (96 to 111) from the main keyboard's.
qint16 VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers = {});
qint16 ShiftMaskFromQt(Qt::KeyboardModifiers modifiers);
qint16 ButtonFromQt(Qt::MouseButtons buttons);

} // namespace voxtrel
