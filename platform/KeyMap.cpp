#include "platform/KeyMap.h"

#include <QChar>
#include <cstring>
#include <iterator>

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

// The letter keys by their key codes on X11 and Wayland (the kernel's codes
// plus 8), each with its letter on the US layout: the Latin layout that
// non-Latin ones are usually paired with, and whose letter a shortcut finds.
constexpr unsigned kFirstLetterRow[] = {24, 38, 52};
constexpr const char* kLetterRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};

int LatinLetterOfKey(unsigned nativeScanCode) {
  for (size_t row = 0; row < std::size(kLetterRows); ++row) {
    const unsigned offset = nativeScanCode - kFirstLetterRow[row];
    if (nativeScanCode >= kFirstLetterRow[row] && offset < std::strlen(kLetterRows[row])) {
      return vk::Letter(kLetterRows[row][offset]);
    }
  }
  return 0;
}

// A Qt key below the special keys is the character's code point.
bool IsNonLatinLetter(int qtKey) {
  if (qtKey <= 0 || qtKey >= Qt::Key_Escape) return false;
  const auto code = static_cast<char32_t>(qtKey);
  return QChar::isLetter(code) && QChar::script(code) != QChar::Script_Latin;
}

}  // namespace

int VirtualKeyFromQt(int qtKey, unsigned nativeScanCode) {
  // Letters and digits carry the same codes in both schemes.
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  if (IsNonLatinLetter(qtKey)) return LatinLetterOfKey(nativeScanCode);
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
