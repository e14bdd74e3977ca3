#pragma once
// The real game on the real stack, in a folder with the default clip set and
// one open maze, brought into "game" mode by keys posted to its window.

#include <memory>

#include "bench/BenchSupport.h"
#include "game/frmMain.h"

namespace bench {

class GameSession {
 public:
  explicit GameSession(int bufferFrames = sound::SdlSoundDevice::kBufferFrames);
  ~GameSession();

  // Runs the game's load: the intro plays to its end, then Enter is pressed
  // until the menu has started maze 1. Returns the seconds it took.
  double StartToGameMode();

  // A maze of open floor with the start at 50,50: left and right arrows
  // always step.
  static constexpr int kStartColumn = 50;

  RealStack stack;
  ScratchFolder folder{"game"};
  game::frmMain form;
  EntryProbe probe;
};

}  // namespace bench
