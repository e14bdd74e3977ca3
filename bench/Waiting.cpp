// Figure 2: processor time (user plus system, every thread of the process,
// the audio thread included) per second of wall time while a program waits.

#include <functional>
#include <stdexcept>

#include "bench/Figures.h"
#include "game/GameTexts.h"
#include "sound/ClipPlayback.h"
#include "tests/support/Fakes.h"

namespace bench {
namespace {

constexpr int kWaitMs = 3000;
constexpr char kWaitClip[] = "wait.wav";

// Percent of one core spent over a wait: by the whole process, and by the
// window thread alone (the rest is SDL's audio thread mixing the output).
struct CoreUse {
  std::vector<double> total;
  std::vector<double> window;
};

class CoreMeter {
 public:
  void Start() {
    cpu_ = CpuSeconds();
    thread_ = ThreadCpuSeconds();
    wall_ = NowNs();
  }
  void Stop(CoreUse& use) const {
    const double seconds = static_cast<double>(NowNs() - wall_) / 1e9;
    use.total.push_back(100.0 * (CpuSeconds() - cpu_) / seconds);
    if (thread_ >= 0) use.window.push_back(100.0 * (ThreadCpuSeconds() - thread_) / seconds);
  }

 private:
  double cpu_ = 0;
  double thread_ = 0;
  int64_t wall_ = 0;
};

void Measure(CoreUse& use, const std::function<void()>& wait) {
  CoreMeter meter;
  meter.Start();
  wait();
  meter.Stop(use);
}

Figure WaitFigure(const std::string& id, const std::string& name, const CoreUse& use,
                  const Summary& spin) {
  Figure figure = MakeFigure(id, name, "% of a core", use.total,
                             "the same wait as a spin of non-blocking event processing", spin, 1.0);
  const double ratio = figure.value.median > 0 ? spin.median / figure.value.median : 0;
  figure.note = "ratio: the spin uses " + Fixed(ratio, 0) + " times as much";
  if (!use.window.empty()) {
    figure.note += "; of it the window thread median " + Fixed(Summarize(use.window).median, 3) +
                   " %, the rest mostly SDL's audio thread";
  }
  return figure;
}

}  // namespace

Summary WaitingClip(Report& report, const Settings& settings) {
  RealStack stack;
  ScratchFolder folder("wait");
  fake::WriteTone(folder.Path() / kWaitClip, kWaitMs);
  sound::ClipPlayback clips(stack.device, stack.benchHost, folder.Path());
  std::string reason;
  if (!clips.StartUp(reason)) throw std::runtime_error(reason);
  stack.host.ShowWindow();
  RunEventLoopFor(100);

  // The baseline: what a polling wait costs, on the same clip.
  CoreUse spins;
  for (int run = 0; run < settings.waitRuns; ++run) {
    Measure(spins, [&] {
      std::unique_ptr<sound::Clip> clip =
          stack.device.CreateClip(folder.Path() / kWaitClip, sound::ClipSlot::Current);
      if (!clip) throw std::runtime_error("cannot load the waiting clip");
      clip->Play();
      while (clip->IsPlaying()) ProcessPendingEvents();
    });
  }
  const Summary spin = Summarize(spins.total);

  CoreUse waits;
  for (int run = 0; run < settings.waitRuns; ++run) {
    Measure(waits, [&] { clips.PlayClipAndWait(kWaitClip, 0); });
  }
  report.Add(WaitFigure("2a", "CPU during a 3-second PlayClipAndWait", waits, spin));
  return spin;
}

void WaitingGameMode(Report& report, const Settings& settings, GameSession& game,
                     const Summary& spin) {
  if (game.form.FormMode != game::kModeGame) throw std::runtime_error("the game is not walking");
  CoreUse samples;
  for (int run = 0; run < settings.waitRuns; ++run) {
    // The game between keys: its window's event loop, the 100 ms tick
    // servicing the announcement queue.
    Measure(samples, [] { RunEventLoopFor(kWaitMs); });
  }
  report.Add(WaitFigure("2c", "CPU of the game in \"game\" mode, no keys, 3 s", samples, spin));
}

namespace {

CoreUse MeasureMenuIdle(GameSession& game, int runs) {
  CoreUse samples;
  for (int run = 0; run < runs; ++run) {
    bool armed = false;
    bool measured = false;
    CoreMeter meter;
    // The menu speaks its first entry once its opening clip is over; from
    // half a second later it sits idle, and is measured for 3 seconds.
    sound::SdlSoundDevice::SetPlayObserver([&](sound::ClipSlot slot) {
      if (armed || slot != sound::ClipSlot::Announcement || game.form.FormMode != game::kModeMenu) {
        return;
      }
      armed = true;
      After(500, [&] {
        meter.Start();
        After(kWaitMs, [&] {
          meter.Stop(samples);
          measured = true;
          // Back to the maze: Enter chooses entry 1 again.
          PostKey(game.stack.host, Key::Enter, true);
          PostKey(game.stack.host, Key::Enter, false);
        });
      });
    });
    // Esc runs the menu inside its key-down; any key cuts its opening clip.
    PostKey(game.stack.host, Key::Escape, true);
    PostKey(game.stack.host, Key::Escape, false);
    After(100, [&] {
      PostKey(game.stack.host, Key::A, true);
      PostKey(game.stack.host, Key::A, false);
    });
    const int64_t deadline = NowNs() + 20'000'000'000;
    while (!(measured && game.form.FormMode == game::kModeGame)) {
      if (NowNs() > deadline) throw std::runtime_error("the menu did not come and go");
      RunEventLoopFor(50);
    }
    sound::SdlSoundDevice::SetPlayObserver(nullptr);
  }
  return samples;
}

}  // namespace

void WaitingMenu(Report& report, const Settings& settings, GameSession& game, const Summary& spin) {
  const CoreUse samples = MeasureMenuIdle(game, settings.waitRuns);
  report.Add(WaitFigure("2b", "CPU of the maze menu sitting idle, 3 s", samples, spin));
}

Summary MenuIdleCpu(GameSession& game, int runs) {
  return Summarize(MeasureMenuIdle(game, runs).total);
}

}  // namespace bench
