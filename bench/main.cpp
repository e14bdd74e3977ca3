// The benchmark: every figure, with its median, 95th percentile, baseline
// and target, in one run. Usage:
//   tarnwick_bench [--quick] [--storm-keys N] [--buffer-frames N]
// (--quick takes fewer samples, for a first look; the storm's N is the number
// of key events in each storm on a sound server, 20000 unless told; the
// buffer's N is the mixer buffer on the servers, the programs' 128 unless told).

#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <string_view>

#include "bench/Figures.h"

namespace {

// A figure that hangs ends the run with a word, rather than never.
char timeIsUp[128] = "";

void TimeIsUp(int /*signal*/) {
  [[maybe_unused]] const ssize_t written = write(2, timeIsUp, std::strlen(timeIsUp));
  _exit(2);
}

void Allow(const char* figure, unsigned seconds = 180) {
  std::snprintf(timeIsUp, sizeof timeIsUp, "tarnwick_bench: figure %s has not finished in time\n",
                figure);
  alarm(seconds);
}

}  // namespace

int main(int argc, char** argv) {
  if (const int child = bench::StartUpChild(argc, argv); child >= 0) return child;

  bench::Settings settings;
  // --quick first, wherever it stands, so that the options beside it hold.
  if (std::find(argv + 1, argv + argc, std::string_view("--quick")) != argv + argc) {
    settings = {300, 2, 5, 100, 3, 100, 4000};
  }
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--quick") {
      continue;
    } else if (arg == "--storm-keys" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
      settings.stormKeys = std::atoi(argv[++i]);
    } else if (arg == "--buffer-frames" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
      settings.bufferFrames = std::atoi(argv[++i]);
    } else {
      std::cerr << "usage: tarnwick_bench [--quick] [--storm-keys N] [--buffer-frames N]\n";
      return 2;
    }
  }
  // The real stack runs headless whatever the environment says: Qt's
  // offscreen platform, SDL's dummy audio driver.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication application(argc, argv);
  std::ostream& out = std::cout;
  out << "Tarnwick benchmark: Qt offscreen platform, SDL2_mixer on its dummy driver.\n"
         "Times are wall-clock; processor use is user+system time of the whole process\n"
         "(every thread, the audio thread included) per second of wall time.\n"
      << std::endl;
  std::signal(SIGALRM, TimeIsUp);
  try {
    Allow("2a");
    const bench::Summary spin = bench::WaitingClip(out, settings);
    {
      Allow("game start");
      bench::GameSession game;
      const double seconds = game.StartToGameMode();
      out << "(the game played its intro and started maze 1 in " << bench::Fixed(seconds, 1)
          << " s)" << std::endl;
      Allow("1b");
      bench::KeyToSoundGame(out, settings, game);
      Allow("2c");
      bench::WaitingInGame(out, settings, game, spin);
    }
    // A game started afresh on each sound server, and its storm.
    Allow("1d", 300 + settings.stormKeys / 100);
    bench::ServerLatency(out, settings);
    Allow("3");
    bench::StartUp(out, settings);
    Allow("4");
    bench::ClipCreation(out, settings);
    Allow("5e");
    bench::MazeCheckFigure(out, settings);
  } catch (const std::exception& error) {
    std::cerr << "tarnwick_bench: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
