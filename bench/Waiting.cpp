// Figure 2: processor time (user plus system, every thread of the process,
// the audio thread included) per second of wall time while a program waits.

#include <ctime>

#include "bench/Figures.h"
#include "game/GameTexts.h"

namespace bench {
namespace {

constexpr int kWaitMs = 3000;
constexpr char kWaitClip[] = "wait.wav";

// Processor time in seconds, user plus system: of the whole process (every
// thread) or of the calling thread alone.
double CpuSeconds(clockid_t clock) {
  timespec time{};
  clock_gettime(clock, &time);
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) / 1e9;
}

struct CoreMeter {
  void Start() {
    processSeconds = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    threadSeconds = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    wallNs = NowNs();
  }
  void Stop(CoreUse& use) const {
    const double seconds = static_cast<double>(NowNs() - wallNs) / 1e9;
    use.total.push_back(100.0 * (CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processSeconds) / seconds);
    use.window.push_back(100.0 * (CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - threadSeconds) / seconds);
  }
  double processSeconds = 0, threadSeconds = 0;
  int64_t wallNs = 0;
};

Figure WaitFigure(const std::string& id, const std::string& name, const CoreUse& use,
                  const Summary& spin) {
  Figure figure = MakeFigure(id, name, "% of a core", use.total,
                             "the same wait as a spin of non-blocking event processing", spin, 1.0);
  const double ratio = figure.value.median > 0 ? spin.median / figure.value.median : 0;
  figure.note = "ratio: the spin uses " + Fixed(ratio, 0) +
                " times as much; of it the window thread median " +
                Fixed(Summarize(use.window).median, 3) + " %, the rest mostly SDL's audio thread";
  return figure;
}

}  // namespace

CoreUse CoreUseOver(int runs, const std::function<void()>& wait) {
  CoreUse use;
  for (int run = 0; run < runs; ++run) {
    CoreMeter meter;
    meter.Start();
    wait();
    meter.Stop(use);
  }
  return use;
}

CoreUse MeasureMenuIdle(GameSession& game, int runs, int waitMs) {
  CoreUse samples;
  for (int run = 0; run < runs; ++run) {
    bool armed = false, measured = false;
    CoreMeter meter;
    // The menu speaks its first entry once its opening clip is over; from
    // half a second later it sits idle, and is measured.
    game.stack.device.onPlay = [&](const sound::PlayedClip& clip) {
      if (armed || clip.slot != sound::ClipSlot::Announcement ||
          game.form.FormMode != game::kModeMenu) {
        return;
      }
      armed = true;
      After(500, [&] {
        meter.Start();
        After(waitMs, [&] {
          meter.Stop(samples);
          measured = true;
          // Back to the maze: Enter chooses entry 1 again.
          PressKey(game.stack.host, Key::Enter);
        });
      });
    };
    // Esc runs the menu inside its key-down; any key cuts its opening clip.
    PressKey(game.stack.host, Key::Escape);
    After(100, [&] { PressKey(game.stack.host, Key::A); });
    const int64_t deadline = NowNs() + 20'000'000'000 + int64_t{waitMs} * 1'000'000;
    while (!(measured && game.form.FormMode == game::kModeGame)) {
      if (NowNs() > deadline) throw std::runtime_error("the menu did not come and go");
      RunEventLoopFor(50);
    }
    game.stack.device.onPlay = nullptr;
  }
  return samples;
}

Summary WaitingClip(std::ostream& out, const Settings& settings) {
  ClipStack waiting;
  RealStack& stack = waiting.stack;
  const std::filesystem::path& folder = waiting.folder.Path();
  fake::WriteTone(folder / kWaitClip, kWaitMs);
  stack.host.ShowWindow();
  RunEventLoopFor(100);

  // The baseline: what a polling wait costs, on the same clip.
  const auto spinOnce = [&] {
    std::unique_ptr<sound::Clip> clip =
        stack.device.CreateClip(folder / kWaitClip, sound::ClipSlot::Current);
    if (!clip) throw std::runtime_error("cannot load the waiting clip");
    clip->Play();
    while (clip->IsPlaying()) ProcessPendingEvents();
  };
  const Summary spin = Summarize(CoreUseOver(settings.waitRuns, spinOnce).total);
  const CoreUse waits =
      CoreUseOver(settings.waitRuns, [&] { waiting.clips.PlayClipAndWait(kWaitClip, 0); });
  Print(out, WaitFigure("2a", "CPU during a 3-second PlayClipAndWait", waits, spin));
  return spin;
}

void WaitingInGame(std::ostream& out, const Settings& settings, GameSession& game,
                   const Summary& spin) {
  if (game.form.FormMode != game::kModeGame) throw std::runtime_error("the game is not walking");
  // The game between keys: its window's event loop, the 100 ms tick
  // servicing the announcement queue.
  const CoreUse walking = CoreUseOver(settings.waitRuns, [] { RunEventLoopFor(kWaitMs); });
  Print(out, WaitFigure("2c", "CPU of the game in \"game\" mode, no keys, 3 s", walking, spin));
  Print(out, WaitFigure("2b", "CPU of the maze menu sitting idle, 3 s",
                        MeasureMenuIdle(game, settings.waitRuns, kWaitMs), spin));
}

}  // namespace bench
