// Leaving a maze: the one flow behind Esc and every close request. It
// refuses to go on without a start and a goal, offers to save, and then
// offers another maze or ends the program.

#include "editor/EditorTexts.h"
#include "editor/frmMain.h"
#include "maze/MazeFile.h"

namespace editor {

void frmMain::Form_Unload(bool& cancel) {
  FinishEditing();
  cancel = true;
}

void frmMain::FinishEditing() {
  if (!maze_.start.IsSet()) {
    host_.ShowMessage(kNoStartMessage, kTitle);
    return;
  }
  if (!maze_.goal.IsSet()) {
    host_.ShowMessage(kNoGoalMessage, kTitle);
    return;
  }
  host_.SetCaption(kProgramName);
  if (host_.AskYesNo(kSaveQuestion, kTitle) && !SaveToFile()) {
    // Back to the same maze, so the author can try again.
    UpdateLocationCaption();
    return;
  }
  // Saved, or let go: either way nothing is left to lose.
  settledText_ = maze::FormatMaze(maze_);
  if (!host_.AskYesNo(kAnotherMazeQuestion, kTitle)) host_.EndProgram(0);
  OpenMazeByNumber();
}

bool frmMain::HasUnsavedWork() const { return maze::FormatMaze(maze_) != settledText_; }

bool frmMain::SaveToFile() {
  const std::filesystem::path file = MazeFilePath();
  const maze::SaveResult saved = maze::SaveMaze(file, maze_);
  if (!saved.ok) {
    host_.ShowMessage(SaveFailedMessage(file.filename().string(), saved.reason), kTitle);
  }
  return saved.ok;
}

}  // namespace editor
