#pragma once
// The game on the fakes: a program folder with every clip at a known length,
// mazes drawn as pictures, and a key script that moves forward in time as it
// is written, so a test reads as the story it checks.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "game/GameTexts.h"
#include "game/frmMain.h"
#include "maze/MazeSearch.h"
#include "tests/support/FakeHost.h"
#include "tests/support/FakeSound.h"
#include "tests/support/ScenarioFolder.h"

namespace gametest {

namespace vk = platform::vk;
inline constexpr int kW = platform::vk::Letter('W');

// Clip lengths in milliseconds.
inline constexpr int64_t kIntroMs = 1000;
inline constexpr int64_t kChooseMazeMs = 400;
inline constexpr int64_t kWordMs = 150;  // number words and "quit.wav"
inline constexpr int64_t kCueMs = 100;   // go, edge, wall, door, key, the door clips
inline constexpr int64_t kStepMs = 60;
inline constexpr int64_t kWinMs = 1000;

// The menu takes keys once the intro and the menu's opening clip are over.
inline constexpr int64_t kMenuOpensAt = kIntroMs + kChooseMazeMs;
// Scripts start a little after that.
inline constexpr int64_t kFirstKeyAt = kMenuOpensAt + 100;
// Time between presses written one after another; a press holds its key
// for kHoldMs.
inline constexpr int64_t kGapMs = 100;
inline constexpr int64_t kHoldMs = 20;

inline maze::GridPosition Pos(int x, int y) {
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

// A grid of open floor with the start and goal given.
maze::MazeRecord OpenField(maze::GridPosition start, maze::GridPosition goal = Pos(100, 100));

class Scenario {
 public:
  Scenario();

  // A maze file drawn as a picture (see fake::DrawMaze), or made from a
  // record.
  Scenario& Maze(int number, const std::vector<std::string>& picture);
  Scenario& MazeOf(int number, const maze::MazeRecord& record);

  // Maze 1, chosen from the menu; returns the time "go.wav" starts.
  int64_t Play(const maze::MazeRecord& record);

  // The key script. Each call schedules at the script's time, then moves
  // it on by kGapMs.
  Scenario& Press(int key, int shift = 0);
  Scenario& Press(std::initializer_list<int> keys);
  Scenario& Press(const std::vector<int>& keys);
  // Keys written as one character each: < > ^ v for the arrows, E Enter,
  // X Esc, H Home, N End, a space, W; each pressed in turn.
  Scenario& Keys(const std::string& script);
  // Key-downs arriving at the same moment (one pass of the menu loop).
  Scenario& Together(std::initializer_list<int> keys);
  // A key held down: its first key-down, auto-repeats, no key-up yet.
  Scenario& Hold(int key, int repeats = 3);
  Scenario& Release(int key);
  Scenario& Close();
  Scenario& Wait(int64_t ms);
  Scenario& At(int64_t time);
  // In the menu: down to the entry, then Enter.
  Scenario& Choose(int entry);
  // A route pressed key by key, each released before the next (Enter for a
  // door). Returns the time of the last press.
  int64_t PressRoute(const std::vector<maze::RouteStep>& steps);
  int64_t Time() const { return t_; }

  // Runs the game from its load; the exit status when it ended.
  std::optional<int> Run();

  // What was heard, in order: clip names in every slot, the step as
  // "step.wav"; started from one time and before another.
  std::vector<std::string> Heard(int64_t from = 0, int64_t to = INT64_MAX) const;
  // The same, without ".wav", joined by ", ": "go, step, key".
  std::string HeardText(int64_t from = 0, int64_t to = INT64_MAX) const;
  // The announcements only.
  std::vector<std::string> Said(int64_t from = 0, int64_t to = INT64_MAX) const;
  // The time a clip was started (the nth time); -1 when never.
  int64_t PlayedAt(const std::string& name, int nth = 0) const;
  // The time of an operation on a clip ("stop", "create"...), -1 when never.
  int64_t OpAt(const std::string& op, const std::string& name, int nth = 0) const;
  // The pans of the step sounds, in order.
  std::vector<int32_t> StepPans() const;
  maze::CellCode Cell(int x, int y) const { return maze::CellAt(form.maze.grid, x, y); }

  fake::VirtualClock clock;
  fake::FakeSound sound{clock};
  fake::FakeHost host{clock, sound};
  fake::ScenarioFolder folder;
  game::frmMain form{host, sound, folder.Path()};

 private:
  int64_t t_ = kFirstKeyAt;
};

}  // namespace gametest
