// Start-up, asking for a maze and opening it, and the two things every
// cursor move repeats: the caption and the announcement of the cell.

#include "editor/EditorTexts.h"
#include "editor/NumberEntry.h"
#include "editor/frmMain.h"
#include "maze/MazeFile.h"
#include "maze/MazeFolder.h"
#include "sound/FileExists.h"
#include "sound/StartUp.h"

namespace editor {

frmMain::frmMain(platform::WindowHost& host, sound::SoundDevice& device,
                 std::filesystem::path programFolder)
    : host_(host),
      clips_(device, host, programFolder),
      programFolder_(std::move(programFolder)),
      maze_(maze::NewMazeRecord()),
      settledText_(maze::FormatMaze(maze_)) {}

void frmMain::Form_Load() {
  host_.SetCaption(kProgramName);
  sound::StartUpOrEnd(clips_, host_, kEditorClips, kProgramName);
  clips_.LoadStepClip();
  OpenMazeByNumber();
}

std::filesystem::path frmMain::MazeFilePath() const {
  return maze::MazePath(programFolder_, mazeNumberText_);
}

void frmMain::OpenMazeByNumber() {
  while (true) {
    mazeNumberText_ = host_.AskText(kMazeNumberPrompt, kTitle);
    const std::optional<int16_t> value = RoundedDownValue(mazeNumberText_);
    if (!value || *value < 1) continue;
    mazeNumberText_ = TrimBlanks(mazeNumberText_);

    const std::filesystem::path file = MazeFilePath();
    if (sound::FileExists(file)) {
      host_.ShowMessage(kMazeExistsMessage, kTitle);
      if (!ReadExistingMaze(file)) continue;
    } else {
      maze_ = maze::NewMazeRecord();
    }
    break;
  }
  settledText_ = maze::FormatMaze(maze_);
  editCursor_ = {1, 1};
  UpdateLocationCaption();
  AnnounceCell();
}

bool frmMain::ReadExistingMaze(const std::filesystem::path& file) {
  maze::LoadResult loaded = maze::LoadMaze(file);
  if (!loaded.ok()) {
    host_.ShowMessage(UnreadableMazeMessage(file.filename().string(), loaded.error.Describe()),
                      kTitle);
    return false;
  }
  maze_ = std::move(*loaded.maze);
  // A start or goal off the grid opens unset, so the author sets it again
  // and a jump can never leave the grid.
  for (maze::GridPosition* position : {&maze_.start, &maze_.goal}) {
    if (!maze::OnGrid(position->x, position->y)) *position = {};
  }
  return true;
}

void frmMain::UpdateLocationCaption() {
  host_.SetCaption(LocationCaption(editCursor_.x, editCursor_.y));
}

void frmMain::AnnounceCell() {
  if (editCursor_ == maze_.start) {
    clips_.PlayClipAndWait(kStartClip, sound::kPanCentre);
  } else if (editCursor_ == maze_.goal) {
    clips_.PlayClipAndWait(kGoalClip, sound::kPanCentre);
  } else {
    const maze::CellCode cell = CellUnderCursor();
    if (maze::IsWall(cell)) {
      clips_.PlayClip(kWallClip);
    } else if (maze::IsDoor(cell)) {
      clips_.PlayClip(kDoorClip);
    } else if (maze::IsKey(cell)) {
      clips_.PlayClip(kKeyClip);
    }
  }
}

maze::CellCode frmMain::CellUnderCursor() const {
  return maze::CellAt(maze_.grid, editCursor_.x, editCursor_.y);
}

void frmMain::SetCellUnderCursor(maze::CellCode code) {
  maze::SetCell(maze_.grid, editCursor_.x, editCursor_.y, code);
}

}  // namespace editor
