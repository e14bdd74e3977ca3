#include "platform/KeyMap.h"

#include "platform/WindowHost.h"

namespace platform {
namespace {

struct KeyPair {
  int qtKey;
  int virtualKey;
};

constexpr KeyPair kNamedKeys[] = {
    {Qt::Key_Left, vk::kLeft},     {Qt::Key_Up, vk::kUp},         {Qt::Key_Right, vk::kRight},
    {Qt::Key_Down, vk::kDown},     {Qt::Key_Return, vk::kEnter},  {Qt::Key_Enter, vk::kEnter},
    {Qt::Key_Escape, vk::kEscape}, {Qt::Key_Space, vk::kSpace},   {Qt::Key_Home, vk::kHome},
    {Qt::Key_End, vk::kEnd},       {Qt::Key_Delete, vk::kDelete},
};

}  // namespace

int VirtualKeyFromQt(int qtKey) {
  // Letters and digits carry the same codes in both schemes.
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
  for (const KeyPair& pair : kNamedKeys) {
    if (pair.qtKey == qtKey) return pair.virtualKey;
  }
  return 0;
}

int ShiftStateFromQt(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) shift |= kShiftMask;
  if (modifiers.testFlag(Qt::ControlModifier)) shift |= kCtrlMask;
  if (modifiers.testFlag(Qt::AltModifier)) shift |= kAltMask;
  return shift;
}

}  // namespace platform
