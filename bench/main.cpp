// The benchmark: every figure, with its median, 95th percentile, baseline
// and target, in one run. Usage: tarnwick_bench [--quick] [--storm-seconds N]
// (--quick takes fewer samples, for a first look; N is the length of each
// key storm on the sound server, 60 s unless told).

#include <QApplication>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <thread>

#include "bench/Figures.h"

namespace {

// A figure that hangs ends the run with a word, rather than never.
class Watchdog {
 public:
  Watchdog() : thread_([this] { Watch(); }) {}
  ~Watchdog() {
    stop_ = true;
    thread_.join();
  }
  void Figure(const std::string& id, std::chrono::seconds allowed = std::chrono::minutes(3)) {
    current_ = id;
    allowed_ = std::chrono::nanoseconds(allowed).count();
    since_ = std::chrono::steady_clock::now().time_since_epoch().count();
  }

 private:
  void Watch() {
    while (!stop_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
      if (now - since_.load() > allowed_.load()) {
        std::cerr << "tarnwick_bench: figure " << current_ << " has not finished in time\n";
        std::_Exit(2);
      }
    }
  }
  std::atomic<bool> stop_{false};
  std::atomic<long long> allowed_{0};
  std::atomic<long long> since_{std::chrono::steady_clock::now().time_since_epoch().count()};
  std::string current_;
  std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
  const int child = bench::StartUpChild(argc, argv);
  if (child >= 0) return child;

  bench::Settings settings;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--quick") {
      settings = {300, 2, 5, 100, 3, 10};
    } else if (arg == "--storm-seconds" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
      settings.stormSeconds = std::atoi(argv[++i]);
    } else {
      std::cerr << "usage: tarnwick_bench [--quick] [--storm-seconds N]\n";
      return 2;
    }
  }
  bench::UseHeadlessPlatform();
  QApplication application(argc, argv);
  bench::Report report(std::cout);
  report.Say("Tarnwick benchmark: Qt offscreen platform, SDL2_mixer on its dummy driver.");
  report.Say("Times are wall-clock; processor use is user+system time of the whole process");
  report.Say("(every thread, the audio thread included) per second of wall time.\n");
  Watchdog watchdog;
  try {
    watchdog.Figure("2a");
    const bench::Summary spin = bench::WaitingClip(report, settings);
    {
      watchdog.Figure("game start");
      bench::GameSession game;
      const double seconds = game.StartToGameMode();
      report.Say("(the game played its intro and started maze 1 in " + bench::Fixed(seconds, 1) +
                 " s)");
      watchdog.Figure("1b");
      bench::KeyToSoundGame(report, settings, game);
      watchdog.Figure("2c");
      bench::WaitingGameMode(report, settings, game, spin);
      watchdog.Figure("2b");
      bench::WaitingMenu(report, settings, game, spin);
    }
    // Three buffer sizes, each with its storm and a game started afresh.
    watchdog.Figure("1d", std::chrono::seconds(180 + 3 * settings.stormSeconds));
    bench::ServerLatency(report, settings);
    watchdog.Figure("3");
    bench::StartUp(report, settings);
    watchdog.Figure("4");
    bench::ClipCreation(report, settings);
    watchdog.Figure("5e");
    bench::MazeCheckFigure(report, settings);
  } catch (const bench::ProgramEnded& ended) {
    std::cerr << "tarnwick_bench: the game ended unexpectedly (status " << ended.status << ")\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << "tarnwick_bench: " << error.what() << "\n";
    return 1;
  }
  report.PrintTable();
  return 0;
}
