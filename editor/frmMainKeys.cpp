// The editing keys. Every key-down is checked against the rows below in
// order, all against the same press; a row acts when its key, its modifier
// rule and its cell condition hold. Only S and W look at the modifiers.

#include "editor/EditorTexts.h"
#include "editor/frmMain.h"

namespace editor {
namespace {

namespace vk = platform::vk;

bool IsArrow(int key) {
  return key == vk::kLeft || key == vk::kUp || key == vk::kRight || key == vk::kDown;
}

// Walls, doors and keys hold the cell; the start and goal go only on a
// cell that holds none of them.
bool HoldsSomething(maze::CellCode cell) {
  return maze::IsWall(cell) || maze::IsDoor(cell) || maze::IsKey(cell);
}

}  // namespace

void frmMain::Form_KeyDown(int keyCode, int shift) {
  const bool ctrlOnly = shift == platform::kCtrlMask;
  const bool noModifier = shift == 0;

  if (keyCode == vk::Letter('C')) ClearMaze();
  if (keyCode == vk::Letter('S') && ctrlOnly && maze_.start.IsSet()) JumpTo(maze_.start);
  if (keyCode == vk::Letter('W') && ctrlOnly && maze_.goal.IsSet()) JumpTo(maze_.goal);
  if (keyCode == vk::kRight) StepHorizontally(+1);
  if (keyCode == vk::kLeft) StepHorizontally(-1);
  if (keyCode == vk::kUp) StepVertically(-1);
  if (keyCode == vk::kDown) StepVertically(+1);
  if (keyCode == vk::kSpace && !maze::IsWall(CellUnderCursor())) PlaceWall();
  if (keyCode == vk::Letter('D') && !maze::IsDoor(CellUnderCursor())) PlaceDoor();
  if (keyCode == vk::Letter('K') && !maze::IsKey(CellUnderCursor())) PlaceKey();
  if (keyCode == vk::Letter('I')) TellDoorOrKey();
  if (keyCode == vk::kDelete && HoldsSomething(CellUnderCursor())) DeleteCell();
  if (keyCode == vk::Letter('F')) FillRow();
  if (keyCode == vk::Letter('S') && noModifier && !HoldsSomething(CellUnderCursor())) SetStart();
  if (keyCode == vk::Letter('W') && noModifier && !HoldsSomething(CellUnderCursor())) SetGoal();
  if (keyCode == vk::kEscape) FinishEditing();
  // Whether or not the cursor moved: an edge still tells where it stands.
  if (IsArrow(keyCode)) {
    UpdateLocationCaption();
    AnnounceCell();
  }
}

void frmMain::ClearMaze() {
  if (!host_.AskYesNo(kClearQuestion, kTitle)) return;
  maze_ = maze::NewMazeRecord();
}

// No step sound: a jump is not a step, and the step's pan stays.
void frmMain::JumpTo(maze::GridPosition position) {
  editCursor_ = position;
  UpdateLocationCaption();
  AnnounceCell();
}

void frmMain::StepHorizontally(int delta) {
  const int x = editCursor_.x + delta;
  if (x < 1 || x > maze::kGridSize) {
    host_.Beep();
    return;
  }
  editCursor_.x = static_cast<int16_t>(x);
  clips_.RestartStep(sound::StepPan(x));
}

// Up and down keep the pan of the last left or right step.
void frmMain::StepVertically(int delta) {
  const int y = editCursor_.y + delta;
  if (y < 1 || y > maze::kGridSize) {
    host_.Beep();
    return;
  }
  editCursor_.y = static_cast<int16_t>(y);
  clips_.RestartStep();
}

void frmMain::PlaceWall() {
  SetCellUnderCursor(maze::kWall);
  AnnounceCell();
}

// The number is asked first; the cell changes only once it is valid.
void frmMain::PlaceDoor() {
  const maze::CellCode door = AskDoorNumber();
  SetCellUnderCursor(door);
  AnnounceCell();
}

void frmMain::PlaceKey() {
  const maze::CellCode key = AskKeyNumber();
  SetCellUnderCursor(key);
  AnnounceCell();
}

void frmMain::TellDoorOrKey() {
  const maze::CellCode cell = CellUnderCursor();
  if (maze::IsDoor(cell)) {
    host_.ShowMessage(DoorInfoMessage(maze::DoorKeyNumber(cell)), kTitle);
  } else if (maze::IsKey(cell)) {
    host_.ShowMessage(KeyInfoMessage(maze::KeyNumber(cell)), kTitle);
  }
}

// The delete clip says it all; the cleared cell is not announced.
void frmMain::DeleteCell() {
  SetCellUnderCursor(maze::kFloor);
  clips_.PlayClipAndWait(kDeleteClip, sound::kPanCentre);
}

// The whole row becomes wall, heard sweeping left, centre, right.
void frmMain::FillRow() {
  maze_.grid[editCursor_.y - 1].assign(maze::kGridSize, static_cast<char>(maze::kWall));
  for (int32_t pan : {sound::kPanFullLeft, sound::kPanCentre, sound::kPanFullRight}) {
    clips_.PlayClipAndWait(kWallClip, static_cast<int16_t>(pan));
  }
}

void frmMain::SetStart() {
  maze_.start = editCursor_;
  AnnounceCell();
}

void frmMain::SetGoal() {
  maze_.goal = editCursor_;
  AnnounceCell();
}

}  // namespace editor
