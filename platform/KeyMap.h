#pragma once
// Qt's key codes and modifiers as the virtual-key codes and modifier set the
// programs are written against.

#include <Qt>

namespace platform {

// The virtual-key code of a Qt key; 0 for keys the programs never use.
// A letter code belongs to the key, not to the character a layout puts on
// it: a key that types a non-Latin letter (Cyrillic, Greek, Hebrew...) is
// the Latin letter of the same key, found from its native scan code (the
// key code X11 and Wayland report). Latin layouts keep the letter printed
// on the key, so A on a French keyboard is A wherever it sits.
int VirtualKeyFromQt(int qtKey, unsigned nativeScanCode = 0);

// The modifier set: 1 Shift, 2 Ctrl, 4 Alt. The keypad flag is not a
// modifier here: keypad Enter is Enter.
int ShiftStateFromQt(Qt::KeyboardModifiers modifiers);

}  // namespace platform
