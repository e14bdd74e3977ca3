// The door and key number prompts: one loop with two texts. There is no way
// out but a number from 1 to 20; Cancel gives empty text, which asks again.

#include "editor/EditorTexts.h"
#include "editor/NumberEntry.h"
#include "editor/frmMain.h"

namespace editor {

maze::CellCode frmMain::AskDoorNumber() {
  return maze::DoorCell(AskNumberFrom1To20(kDoorNumberPrompt));
}

maze::CellCode frmMain::AskKeyNumber() {
  return maze::KeyCell(AskNumberFrom1To20(kKeyNumberPrompt));
}

int16_t frmMain::AskNumberFrom1To20(const char* prompt) {
  while (true) {
    const std::optional<int16_t> n = RoundedDownValue(host_.AskText(prompt, kTitle));
    if (n && *n >= 1 && *n <= maze::kKeyCount) return *n;
  }
}

}  // namespace editor
