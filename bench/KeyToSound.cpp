// Figure 1: from a key-down posted to the real window to the step clip
// handed to the mixer. The window thread sits blocked in its yield, as a
// program waiting for the next key does; another thread posts each key,
// as the window system's connection would deliver it.

#include <atomic>

#include "bench/Figures.h"

namespace bench {

void KeyToSoundGame(std::ostream& out, const Settings& settings, GameSession& game) {
  PlayLog plays;
  game.stack.device.onPlay = plays.Listener();
  // A step plays inside its key-down, so when it is heard this holds its key.
  std::atomic<int64_t> entered{0};
  game.probe.onKeyDown = [&](int64_t now) { entered = now; };
  std::vector<double> toHandlerUs;
  StepTimes times;
  WhileWindowWaits(game.stack.host, [&] {
    times = PressSteps(
        plays, settings.keyPresses, 50,
        [&](bool right, bool down) {
          PostKey(game.stack.host, right ? Key::Right : Key::Left, down);
        },
        [&](int64_t posted) {
          toHandlerUs.push_back(static_cast<double>(entered - posted) / 1e3);
        });
  });
  game.stack.device.onPlay = nullptr;
  game.probe.onKeyDown = nullptr;

  Figure figure = MakeFigure("1b", "Key to sound, software path: the game walking (\"game\" mode)",
                             "us", times.toPlayUs,
                             "the same key posted until it reaches Form_KeyDown (the host's share)",
                             Summarize(toHandlerUs), 1000.0);
  if (times.lost > 0) {
    figure.met = false;
    figure.note = std::to_string(times.lost) + " key(s) never sounded";
  }
  Print(out, figure);
}

}  // namespace bench
