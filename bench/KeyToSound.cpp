// Figure 1: from a key-down posted to the real window to the step clip
// handed to the mixer. The window thread sits blocked in its yield, as a
// program waiting for the next key does; another thread posts each key,
// as the window system's connection would deliver it.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>
#include <thread>

#include "bench/Figures.h"
#include "sound/ClipPlayback.h"

namespace bench {
namespace {

constexpr int kWarmUpPresses = 50;

struct KeyTimes {
  std::vector<double> toSoundUs;
  std::vector<double> toHandlerUs;
  int lost = 0;
};

KeyTimes MeasureKeys(platform::QtWindowHost& host, EntryProbe& probe, int presses) {
  std::mutex mutex;
  std::condition_variable heardChanged;
  int64_t heard = 0;
  int64_t entered = 0;
  sound::SdlSoundDevice::SetPlayObserver([&](sound::ClipSlot slot) {
    if (slot != sound::ClipSlot::Step) return;
    const int64_t now = NowNs();
    {
      std::lock_guard<std::mutex> lock(mutex);
      if (heard == 0) heard = now;
    }
    heardChanged.notify_one();
  });
  probe.onKeyDown = [&](int64_t now) {
    std::lock_guard<std::mutex> lock(mutex);
    if (entered == 0) entered = now;
  };

  KeyTimes times;
  bool done = false;
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
    {
      std::lock_guard<std::mutex> lock(mutex);
      done = true;
    }
    host.PostWakeUp();
  });
  while (true) {
    {
      std::lock_guard<std::mutex> lock(mutex);
      if (done) break;
    }
    host.DoEvents();
  }
  poster.join();
  sound::SdlSoundDevice::SetPlayObserver(nullptr);
  probe.onKeyDown = nullptr;
  return times;
}

Figure KeyFigure(const std::string& id, const std::string& name, const KeyTimes& times) {
  Figure figure = MakeFigure(id, name, "us", times.toSoundUs,
                             "the same key posted until it reaches Form_KeyDown (the host's share)",
                             Summarize(times.toHandlerUs), 1000.0);
  if (times.lost > 0) {
    figure.met = false;
    figure.note = std::to_string(times.lost) + " key(s) never sounded";
  }
  return figure;
}

}  // namespace

void KeyToSoundGame(Report& report, const Settings& settings, GameSession& game) {
  const KeyTimes times = MeasureKeys(game.stack.host, game.probe, settings.keyPresses);
  report.Add(
      KeyFigure("1b", "Key to sound, software path: the game walking (\"game\" mode)", times));
}

}  // namespace bench
