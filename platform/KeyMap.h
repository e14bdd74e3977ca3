#pragma once
// Qt's key codes and modifiers as the virtual-key codes and modifier set the
// programs are written against.

#include <Qt>

namespace platform {

// The virtual-key code of a Qt key; 0 for keys the programs never use.
int VirtualKeyFromQt(int qtKey);

// The modifier set: 1 Shift, 2 Ctrl, 4 Alt. The keypad flag is not a
// modifier here: keypad Enter is Enter.
int ShiftStateFromQt(Qt::KeyboardModifiers modifiers);

}  // namespace platform
