// Figure 1d: the whole way from a key to the sink on a real sound server.
// The software path takes microseconds; what a player waits for is the
// mixer's buffer and what the server holds for the game's stream. The game
// runs on the server with the buffer it uses and is measured three ways: the
// mixer buffer plus the latency the server reports for its stream, the
// menu's idle processor use, and the stream's underruns while keys storm
// in and another core is kept busy. scripts/bench starts the server.

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>

#include "bench/Figures.h"
#include "game/GameTexts.h"

namespace bench {
namespace {

constexpr int kLatencySamples = 20;
constexpr int kMenuRuns = 3;

// The server's word for this process's stream: its buffer latency plus the
// sink's latency, in milliseconds; negative when the stream is not listed.
double StreamLatencyMs() {
  std::unique_ptr<FILE, int (*)(FILE*)> listing(popen("pactl list sink-inputs 2>/dev/null", "r"),
                                                pclose);
  const std::string ownPid = "application.process.id = \"" + std::to_string(getpid()) + "\"";
  double bufferUs = -1;
  double sinkUs = -1;
  double found = -1;
  for (char text[4096]; listing && std::fgets(text, sizeof text, listing.get());) {
    const std::string line = text;
    if (line.rfind("Sink Input #", 0) == 0) bufferUs = sinkUs = -1;
    std::sscanf(text, " Buffer Latency: %lf usec", &bufferUs);
    std::sscanf(text, " Sink Latency: %lf usec", &sinkUs);
    if (line.find(ownPid) != std::string::npos && bufferUs >= 0 && sinkUs >= 0) {
      found = (bufferUs + sinkUs) / 1000.0;
    }
  }
  return found;
}

// Lines the server has logged about underruns of its streams so far.
int UnderrunsLogged(const std::string& log) {
  std::ifstream in(log);
  int count = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.find("underrun of '") != std::string::npos) ++count;
  }
  return count;
}

// Keys as fast as a player drumming on them: a small square walked over and
// over, with a readout now and then, so the maze is never left.
int KeyStorm(GameSession& game, int seconds) {
  constexpr Key kLoop[] = {Key::Right, Key::Up, Key::Left, Key::Down, Key::Space};
  std::atomic<bool> done{false};
  int presses = 0;
  std::thread poster([&] {
    std::mt19937 random(11);
    const int64_t end = NowNs() + static_cast<int64_t>(seconds) * 1'000'000'000;
    while (NowNs() < end) {
      const Key key = kLoop[presses % std::size(kLoop)];
      PostKey(game.stack.host, key, true);
      std::this_thread::sleep_for(std::chrono::milliseconds(5 + random() % 20));
      PostKey(game.stack.host, key, false);
      std::this_thread::sleep_for(std::chrono::milliseconds(5 + random() % 20));
      ++presses;
    }
    done = true;
    game.stack.host.PostWakeUp();
  });
  while (!done) game.stack.host.DoEvents();
  poster.join();
  return presses;
}

Figure Measure(const Settings& settings, const std::string& log) {
  GameSession game;
  game.StartToGameMode();
  const int frames = sound::SdlSoundDevice::kBufferFrames;
  const double mixerMs = 1000.0 * frames / game.stack.sdl.Frequency();
  std::vector<double> server;
  std::vector<double> total;
  for (int i = 0; i < kLatencySamples; ++i) {
    RunEventLoopFor(100);
    const double ms = StreamLatencyMs();
    if (ms < 0) continue;
    server.push_back(ms);
    total.push_back(ms + mixerMs);
  }
  if (server.empty()) throw std::runtime_error("the sound server does not list the game's stream");
  const Summary menuCpu = MenuIdleCpu(game, kMenuRuns);
  if (game.form.FormMode != game::kModeGame) throw std::runtime_error("the game is not walking");
  const int before = UnderrunsLogged(log);
  int presses = 0;
  {
    // Another core kept fully busy through the storm.
    std::jthread busy([](std::stop_token stop) {
      for (volatile unsigned long spin = 0; !stop.stop_requested();) spin = spin + 1;
    });
    presses = KeyStorm(game, settings.stormSeconds);
  }
  RunEventLoopFor(200);
  const int underruns = UnderrunsLogged(log) - before;

  Figure figure =
      MakeFigure("1d", "Key to sink on a sound server, " + std::to_string(frames) + "-frame buffer",
                 "ms", total, "the server's latency for the stream alone, without the mixer buffer",
                 Summarize(server), std::nullopt);
  figure.target = "<= 10 ms; menu idle < 1 % of a core; no underrun";
  figure.met = figure.value.p95 <= 10.0 && menuCpu.p95 < 1.0 && underruns == 0;
  figure.note = "mixer " + Fixed(mixerMs, 1) + " ms; menu idle median " + Fixed(menuCpu.median, 2) +
                " % (p95 " + Fixed(menuCpu.p95, 2) + " %); " + std::to_string(underruns) +
                " underrun(s) in a " + std::to_string(settings.stormSeconds) + " s storm of " +
                std::to_string(presses) + " presses with another core busy";
  return figure;
}

}  // namespace

void ServerLatency(Report& report, const Settings& settings) {
  const char* server = std::getenv("PULSE_SERVER");
  const char* log = std::getenv("TARNWICK_BENCH_PULSE_LOG");
  if (server == nullptr || log == nullptr) {
    report.Say("[1d] key to sink on a sound server: not measured, no server was started for it");
    return;
  }
  // SDL reads its driver each time the audio opens; the other figures go on
  // with the dummy driver.
  setenv("SDL_AUDIODRIVER", "pulseaudio", 1);
  try {
    report.Add(Measure(settings, log));
  } catch (...) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    throw;
  }
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

}  // namespace bench
