// The spoken maze menu: mazes 1 to N by number, then the quit entry.
#include "game/GameTexts.h"
#include "game/frmMain.h"
#include "maze/MazeFolder.h"

namespace game {

namespace vk = platform::vk;

void frmMain::LatchMenuKey(int keyCode) {
  switch (keyCode) {
    case vk::kDown:
      KeyLatch.down = true;
      break;
    case vk::kUp:
      KeyLatch.up = true;
      break;
    case vk::kHome:
      KeyLatch.home = true;
      break;
    case vk::kEnd:
      KeyLatch.end = true;
      break;
    case vk::kEnter:
      KeyLatch.enter = true;
      break;
    case vk::kEscape:
      KeyLatch.escape = true;
      break;
    default:
      break;
  }
}

void frmMain::RunMazeMenu() {
  // Counted afresh each time, so mazes added meanwhile are offered.
  menuEntryCount = static_cast<int16_t>(maze::CountMazeFiles(programFolder_));
  bool changed = false;
  menuSelection = 1;
  KeyLatch.Clear();
  // Any key cuts the opening clip short and does nothing else.
  clips.PlayClipInterruptible(kChooseMazeClip, FormMode, InterruptFlag);
  FormMode = kModeMenu;
  numbers.NumberValue = 1;
  numbers.SpeakNumber();
  while (true) {
    ActOnMenuLatches(changed);
    // Only Esc sets Enter here, and nothing a yield brings could change the
    // quit entry it confirms: the game ends now, not at the next event.
    if (KeyLatch.enter) break;
    // The yield waits for the next event when none is pending, so an entry
    // just announced is started now rather than at the next tick.
    announcements.ServiceAnnouncements();
    host_.DoEvents();
    announcements.ServiceAnnouncements();
    // Enter is looked at only here, after the yield: movement latched in the
    // same yield waits for the next pass, which never comes.
    if (KeyLatch.enter) break;
  }
  const int16_t quitEntry = static_cast<int16_t>(menuEntryCount + 1);
  if (menuSelection == quitEntry) return host_.EndProgram(0);
  MazeNumber = menuSelection;
  FormMode = kModeGame;
  StartMaze();
}

void frmMain::ActOnMenuLatches(bool& changed) {
  const int16_t quitEntry = static_cast<int16_t>(menuEntryCount + 1);
  int16_t& n = menuSelection;
  // Each latch is cleared whether or not it moves the selection.
  if (KeyLatch.down) {
    KeyLatch.down = false;
    if (n < quitEntry) {
      ++n;
      changed = true;
    }
  }
  if (KeyLatch.up) {
    KeyLatch.up = false;
    if (n > 1) {
      --n;
      changed = true;
    }
  }
  if (KeyLatch.home) {
    KeyLatch.home = false;
    if (n > 1) {
      n = 1;
      changed = true;
    }
  }
  if (KeyLatch.end) {
    KeyLatch.end = false;
    if (n < quitEntry) {
      n = quitEntry;
      changed = true;
    }
  }
  if (changed) {
    changed = false;
    AnnounceMenuSelection();
  }
  // Esc goes straight to the quit entry and confirms it, silently.
  if (KeyLatch.escape) {
    KeyLatch.enter = true;
    n = quitEntry;
  }
}

void frmMain::AnnounceMenuSelection() {
  if (menuSelection == menuEntryCount + 1) {
    announcements.ClearAnnouncements();
    announcements.QueueClip(kQuitClip);
  } else {
    numbers.NumberValue = menuSelection;
    numbers.SpeakNumber();
  }
}

}  // namespace game
