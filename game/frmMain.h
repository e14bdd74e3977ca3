#pragma once
// The game's window: it receives the keyboard, owns all of the game's state
// and plays everything the player hears. Handlers run nested inside the
// clip waits and the menu loop; the window mode keeps those nested runs
// harmless, and every piece of state they may change lives here and is read
// afresh after each yield.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "maze/Grid.h"
#include "platform/WindowHost.h"
#include "sound/AnnouncementQueue.h"
#include "sound/ClipPlayback.h"
#include "sound/SoundDevice.h"
#include "sound/SpokenNumbers.h"

namespace game {

// The announcement queue is serviced on this tick in "game" mode.
inline constexpr int kTimerIntervalMs = 100;

// One boolean per key a polling loop or the walking must see: set by a
// key-down, cleared by the code that acts on it, a key-up, or the menu.
struct KeyLatches {
  bool up = false;
  bool down = false;
  bool left = false;
  bool right = false;
  bool home = false;
  bool end = false;
  bool enter = false;
  bool escape = false;

  void Clear() { *this = KeyLatches{}; }
};

class frmMain final : public platform::WindowEvents {
 public:
  frmMain(platform::WindowHost& host, sound::SoundDevice& device,
          std::filesystem::path programFolder);

  // Window events.
  void Form_Load() override;
  void Form_KeyDown(int keyCode, int shift) override;
  void Form_KeyUp(int keyCode, int shift) override;
  void tmrScore_Timer() override;
  // Closing the window ends the game at once, whatever it is doing.
  void Form_Unload(bool& cancel) override;

  bool HasKey(int keyNumber) const { return KeyInventory.at(keyNumber - 1); }

  // The window's state: read by the tests and the benchmark, changed only
  // by the window's own handlers.
  std::string FormMode = "";
  KeyLatches KeyLatch;
  bool InterruptFlag = false;
  int16_t MazeNumber = 0;

  // The menu: its entry count (mazes 1 to N, then quit) and selection.
  int16_t menuEntryCount = 0;
  int16_t menuSelection = 1;

  // The maze in play.
  maze::MazeRecord maze;
  maze::GridPosition position;
  std::array<bool, maze::kKeyCount> KeyInventory{};
  std::string DirectionWord;

  sound::ClipPlayback clips;
  sound::AnnouncementQueue announcements;
  sound::SpokenNumbers numbers;

 private:
  // The maze menu: returns once a maze has started; quitting ends the game.
  void RunMazeMenu();
  // Key-downs in "menu" mode only set latches.
  void LatchMenuKey(int keyCode);
  // One pass of the menu loop, up to its yield.
  void ActOnMenuLatches(bool& changed);
  void AnnounceMenuSelection();

  // Walking.
  void StartMaze();
  // Everything a key-down does in "game" mode, the goal test last.
  void GameKeyDown(int keyCode);
  // Returns true when the player moved.
  bool ArrowStep(int keyCode);
  void PlayStepSound();
  // Plays the wall or door clip when the cell blocks the step.
  bool IsBlocked(int16_t x, int16_t y);
  void PickUpKey(int16_t x, int16_t y);
  void OpenDoor();
  void TestForGoal();

  // The position readout (space) or the goal's (W).
  void SpeakPosition(maze::GridPosition where);

  // Shows the maze-file message and ends the program.
  void EndWithMazeFileError(const std::string& reason);

  platform::WindowHost& host_;
  std::filesystem::path programFolder_;
};

}  // namespace game
