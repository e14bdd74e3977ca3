// Walking a maze: starting it, the arrow steps, keys and doors, the goal.
#include <iostream>

#include "game/GameTexts.h"
#include "game/frmMain.h"
#include "maze/MazeFile.h"

namespace game {
namespace {

namespace vk = platform::vk;

struct Arrow {
  int keyCode;
  bool KeyLatches::*latch;
  const char* word;
  int dx;
  int dy;
};

// In the order the key-down tests them.
constexpr Arrow kArrows[] = {
    {vk::kRight, &KeyLatches::right, "right", 1, 0},
    {vk::kLeft, &KeyLatches::left, "left", -1, 0},
    {vk::kUp, &KeyLatches::up, "up", 0, -1},
    {vk::kDown, &KeyLatches::down, "down", 0, 1},
};

const Arrow* ArrowOfKey(int keyCode) {
  for (const Arrow& arrow : kArrows) {
    if (arrow.keyCode == keyCode) return &arrow;
  }
  return nullptr;
}

const Arrow* ArrowOfWord(const std::string& word) {
  for (const Arrow& arrow : kArrows) {
    if (word == arrow.word) return &arrow;
  }
  return nullptr;
}

}  // namespace

void frmMain::StartMaze() {
  const std::string numberText = std::to_string(MazeNumber);
  maze::LoadResult loaded = maze::LoadMaze(maze::MazePath(programFolder_, numberText));
  if (!loaded.ok()) {
    return EndWithMazeFileError(numberText + ".maz: " + loaded.error.Describe());
  }
  // A start outside the grid would lead the walking off it. A goal there is
  // taken as it stands: the maze cannot be won, and W speaks what it holds.
  const maze::GridPosition start = loaded.maze->start;
  if (!maze::OnGrid(start.x, start.y)) {
    return EndWithMazeFileError(numberText + ".maz: the start lies outside 1 to 100");
  }
  maze = std::move(*loaded.maze);
  KeyInventory.fill(false);
  DirectionWord.clear();
  position = maze.start;
  if (!clips.PlayClip(kGoClip)) return EndWithMazeFileError(std::string("cannot play ") + kGoClip);
}

// The message box, then the end of the program: nothing after it runs.
void frmMain::EndWithMazeFileError(const std::string& reason) {
  std::cerr << kProgramName << ": " << reason << "\n";
  host_.ShowMessage(kMazeFileMessage, kProgramName);
  host_.EndProgram(1);
}

void frmMain::GameKeyDown(int keyCode) {
  if (keyCode == vk::Letter('W')) SpeakPosition(maze.goal);
  if (keyCode == vk::kSpace) SpeakPosition(position);
  // A key picked up only after a move: not on the start cell, nor by
  // standing still.
  if (ArrowStep(keyCode)) PickUpKey(position.x, position.y);
  if (keyCode == vk::kEnter) OpenDoor();
  TestForGoal();
}

bool frmMain::ArrowStep(int keyCode) {
  const Arrow* arrow = ArrowOfKey(keyCode);
  if (arrow == nullptr) return false;
  // A held arrow repeats its key-down; only the first one counts.
  bool& latch = KeyLatch.*(arrow->latch);
  if (latch) return false;
  latch = true;
  DirectionWord = arrow->word;
  const int targetX = position.x + arrow->dx;
  const int targetY = position.y + arrow->dy;
  if (!maze::OnGrid(targetX, targetY)) {
    clips.PlayClip(kEdgeClip);
    return false;
  }
  if (IsBlocked(static_cast<int16_t>(targetX), static_cast<int16_t>(targetY))) return false;
  position = {static_cast<int16_t>(targetX), static_cast<int16_t>(targetY)};
  PlayStepSound();
  return true;
}

void frmMain::PlayStepSound() {
  // Panned by column after the move, vertical moves included; a step during
  // the last one restarts it.
  clips.RestartStep((position.x - kCentreColumn) * kStepPanFactor);
}

bool frmMain::IsBlocked(int16_t x, int16_t y) {
  const maze::CellCode cell = maze::CellAt(maze.grid, x, y);
  if (cell == maze::kWall) {
    clips.PlayClip(kWallClip);
    return true;
  }
  // A door blocks whether or not its key is held.
  if (maze::IsDoor(cell)) {
    clips.PlayClip(kDoorClip);
    return true;
  }
  return false;
}

void frmMain::PickUpKey(int16_t x, int16_t y) {
  const maze::CellCode cell = maze::CellAt(maze.grid, x, y);
  if (!maze::IsKey(cell)) return;
  KeyInventory.at(maze::KeyNumber(cell) - 1) = true;
  maze::SetCell(maze.grid, x, y, maze::kFloor);
  clips.PlayClip(kKeyClip);
}

void frmMain::OpenDoor() {
  // Before any arrow the player faces nothing: the target is the own cell.
  maze::GridPosition target = position;
  if (const Arrow* arrow = ArrowOfWord(DirectionWord)) {
    target.x = static_cast<int16_t>(target.x + arrow->dx);
    target.y = static_cast<int16_t>(target.y + arrow->dy);
  }
  if (!maze::OnGrid(target.x, target.y)) return;
  const maze::CellCode cell = maze::CellAt(maze.grid, target.x, target.y);
  if (!maze::IsDoor(cell)) return;
  // A key is not used up: it opens every door of its number.
  if (HasKey(maze::DoorKeyNumber(cell))) {
    clips.PlayClip(kOpenDoorClip);
    maze::SetCell(maze.grid, target.x, target.y, maze::kFloor);
  } else {
    clips.PlayClip(kNoOpenDoorClip);
  }
}

void frmMain::TestForGoal() {
  // On every key-down in "game" mode, not only after a move.
  if (position != maze.goal) return;
  // Keys pressed during the winning clip reach nothing; it plays to its end.
  FormMode = kModePlayBreakableWav;
  clips.PlayClipAndWait(kWinMazeClip, 0);
  RunMazeMenu();
}

}  // namespace game
