// Figure 1: from a key-down posted to the real window to the step clip
// handed to the mixer. The window thread sits blocked in its yield, as a
// program waiting for the next key does; another thread posts each key,
// as the window system's connection would deliver it.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>
#include <thread>

#include "bench/Figures.h"

namespace bench {
namespace {

constexpr int kWarmUpPresses = 50;

struct KeyTimes {
  std::vector<double> toSoundUs;
  std::vector<double> toHandlerUs;
  int lost = 0;
};

KeyTimes MeasureKeys(GameSession& game, int presses) {
  platform::QtWindowHost& host = game.stack.host;
  std::mutex mutex;
  std::condition_variable heardChanged;
  int64_t heard = 0;
  int64_t entered = 0;
  game.stack.device.onPlay = [&](sound::ClipSlot slot, const std::string&) {
    if (slot != sound::ClipSlot::Step) return;
    const int64_t now = NowNs();
    {
      std::lock_guard<std::mutex> lock(mutex);
      if (heard == 0) heard = now;
    }
    heardChanged.notify_one();
  };
  game.probe.onKeyDown = [&](int64_t now) {
    std::lock_guard<std::mutex> lock(mutex);
    if (entered == 0) entered = now;
  };

  KeyTimes times;
  std::atomic<bool> done{false};
  std::thread poster([&] {
    std::mt19937 random(7);
    for (int i = 0; i < presses + kWarmUpPresses; ++i) {
      // Long enough for the window to be blocked waiting again.
      std::this_thread::sleep_for(std::chrono::microseconds(1000 + random() % 2000));
      {
        std::lock_guard<std::mutex> lock(mutex);
        heard = 0;
        entered = 0;
      }
      // Right and left in turn keep the player on the open floor.
      const Key key = i % 2 == 0 ? Key::Right : Key::Left;
      const int64_t posted = NowNs();
      PostKey(host, key, true);
      {
        std::unique_lock<std::mutex> lock(mutex);
        if (!heardChanged.wait_for(lock, std::chrono::seconds(1), [&] { return heard != 0; })) {
          ++times.lost;
        } else if (i >= kWarmUpPresses) {
          times.toSoundUs.push_back(static_cast<double>(heard - posted) / 1000.0);
          times.toHandlerUs.push_back(static_cast<double>(entered - posted) / 1000.0);
        }
      }
      PostKey(host, key, false);
    }
    done = true;
    host.PostWakeUp();
  });
  while (!done) host.DoEvents();
  poster.join();
  game.stack.device.onPlay = nullptr;
  game.probe.onKeyDown = nullptr;
  return times;
}

}  // namespace

void KeyToSoundGame(Report& report, const Settings& settings, GameSession& game) {
  const KeyTimes times = MeasureKeys(game, settings.keyPresses);
  Figure figure = MakeFigure("1b", "Key to sound, software path: the game walking (\"game\" mode)",
                             "us", times.toSoundUs,
                             "the same key posted until it reaches Form_KeyDown (the host's share)",
                             Summarize(times.toHandlerUs), 1000.0);
  if (times.lost > 0) {
    figure.met = false;
    figure.note = std::to_string(times.lost) + " key(s) never sounded";
  }
  report.Add(figure);
}

}  // namespace bench
