// Walking a maze: starting it, the arrow steps, keys and doors, the goal.
#include <iostream>
#include <optional>

#include "game/GameTexts.h"
#include "game/frmMain.h"
#include "maze/MazeFile.h"
#include "maze/WalkingRules.h"

namespace game {
namespace {

namespace vk = platform::vk;

struct Arrow {
  int keyCode;
  bool KeyLatches::*latch;
  const char* word;
  maze::Direction way;
};

// In the order the key-down tests them.
constexpr Arrow kArrows[] = {
    {vk::kRight, &KeyLatches::right, "right", maze::Direction::Right},
    {vk::kLeft, &KeyLatches::left, "left", maze::Direction::Left},
    {vk::kUp, &KeyLatches::up, "up", maze::Direction::Up},
    {vk::kDown, &KeyLatches::down, "down", maze::Direction::Down},
};

const Arrow* ArrowOfKey(int keyCode) {
  for (const Arrow& arrow : kArrows) {
    if (arrow.keyCode == keyCode) return &arrow;
  }
  return nullptr;
}

// The way the player faces: that of the last arrow pressed, none before.
std::optional<maze::Direction> Facing(const std::string& directionWord) {
  for (const Arrow& arrow : kArrows) {
    if (directionWord == arrow.word) return arrow.way;
  }
  return std::nullopt;
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
  const maze::GridPosition target = maze::NextCell(position, arrow->way);
  if (!maze::OnGrid(target)) {
    clips.PlayClip(kEdgeClip);
    return false;
  }
  if (IsBlocked(target.x, target.y)) return false;
  position = target;
  PlayStepSound();
  return true;
}

void frmMain::PlayStepSound() {
  // Panned by column after the move, vertical moves included; a step during
  // the last one restarts it.
  clips.RestartStep(sound::StepPan(position.x));
}

bool frmMain::IsBlocked(int16_t x, int16_t y) {
  switch (maze::StepInto(maze::CellAt(maze.grid, x, y))) {
    case maze::StepOutcome::Wall:
      clips.PlayClip(kWallClip);
      return true;
    case maze::StepOutcome::Door:
      clips.PlayClip(kDoorClip);
      return true;
    default:
      return false;
  }
}

void frmMain::PickUpKey(int16_t x, int16_t y) {
  const std::optional<int16_t> key = maze::KeyPickedUp(maze::CellAt(maze.grid, x, y));
  if (!key) return;
  KeyInventory.at(*key - 1) = true;
  maze::SetCell(maze.grid, x, y, maze::kFloor);
  clips.PlayClip(kKeyClip);
}

void frmMain::OpenDoor() {
  const maze::GridPosition target = maze::FacedCell(position, Facing(DirectionWord));
  if (!maze::OnGrid(target)) return;
  const maze::CellCode cell = maze::CellAt(maze.grid, target.x, target.y);
  if (!maze::IsDoor(cell)) return;
  if (maze::DoorOpens(cell, [this](int number) { return HasKey(number); })) {
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
