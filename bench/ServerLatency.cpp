// Figure 1d: the whole way from a key to the sink on a real sound server.
// The software path takes microseconds; what a player waits for is the
// mixer's buffer and what the server holds for the game's stream. For each
// buffer size the game runs on the server and is measured three ways: the
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
#include <sstream>
#include <stdexcept>
#include <thread>

#include "bench/Figures.h"
#include "game/GameTexts.h"

namespace bench {
namespace {

constexpr int kBufferSizes[] = {512, 256, 128};
constexpr int kLatencySamples = 20;
constexpr int kMenuRuns = 3;
constexpr double kTargetMs = 10.0;
constexpr double kIdleCpuLimit = 1.0;

struct SizeResult {
  int frames = 0;
  double mixerMs = 0;
  Summary serverMs;
  Summary totalMs;
  Summary menuCpu;
  int underruns = 0;
  int presses = 0;
};

std::string Run(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return {};
  std::string out;
  char buffer[4096];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get())) out.append(buffer, n);
  return out;
}

// The server's word for this process's stream: its buffer latency plus the
// sink's latency, in milliseconds; negative when the stream is not listed.
double StreamLatencyMs() {
  std::istringstream listing(Run("pactl list sink-inputs 2>/dev/null"));
  const std::string ownPid = "application.process.id = \"" + std::to_string(getpid()) + "\"";
  double bufferUs = -1;
  double sinkUs = -1;
  double found = -1;
  for (std::string line; std::getline(listing, line);) {
    if (line.rfind("Sink Input #", 0) == 0) bufferUs = sinkUs = -1;
    std::sscanf(line.c_str(), " Buffer Latency: %lf usec", &bufferUs);
    std::sscanf(line.c_str(), " Sink Latency: %lf usec", &sinkUs);
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

// One core kept fully busy for as long as it lives.
class BusyCore {
 public:
  BusyCore()
      : thread_([this] {
          volatile unsigned long spin = 0;
          while (!stop_) spin = spin + 1;
        }) {}
  ~BusyCore() {
    stop_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

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

SizeResult MeasureSize(int frames, const Settings& settings, const std::string& log) {
  SizeResult result;
  result.frames = frames;
  GameSession game(frames);
  game.StartToGameMode();
  result.mixerMs = 1000.0 * frames / game.stack.device.Frequency();

  std::vector<double> server;
  std::vector<double> total;
  for (int i = 0; i < kLatencySamples; ++i) {
    RunEventLoopFor(100);
    const double ms = StreamLatencyMs();
    if (ms < 0) continue;
    server.push_back(ms);
    total.push_back(ms + result.mixerMs);
  }
  if (server.empty()) throw std::runtime_error("the sound server does not list the game's stream");
  result.serverMs = Summarize(server);
  result.totalMs = Summarize(total);

  result.menuCpu = MenuIdleCpu(game, kMenuRuns);
  if (game.form.FormMode != game::kModeGame) throw std::runtime_error("the game is not walking");

  const int before = UnderrunsLogged(log);
  {
    BusyCore busy;
    result.presses = KeyStorm(game, settings.stormSeconds);
  }
  RunEventLoopFor(200);
  result.underruns = UnderrunsLogged(log) - before;
  return result;
}

bool Holds(const SizeResult& r) { return r.menuCpu.p95 < kIdleCpuLimit && r.underruns == 0; }

Figure SizeFigure(const SizeResult& r, const SizeResult& today, int stormSeconds) {
  Figure figure;
  figure.id = "1d";
  figure.name = "Key to sink on a sound server, " + std::to_string(r.frames) + "-frame buffer";
  figure.unit = "ms";
  figure.value = r.totalMs;
  figure.baselineName = "the same with the " + std::to_string(today.frames) + "-frame buffer";
  figure.baseline = today.totalMs;
  figure.target = "<= 10 ms; menu idle < 1 % of a core; no underrun";
  figure.met = r.totalMs.p95 <= kTargetMs && Holds(r);
  figure.note = "mixer " + Fixed(r.mixerMs, 1) + " ms + server median " +
                Fixed(r.serverMs.median, 1) + " ms; menu idle median " +
                Fixed(r.menuCpu.median, 2) + " % (p95 " + Fixed(r.menuCpu.p95, 2) + " %); " +
                std::to_string(r.underruns) + " underrun(s) in a " + std::to_string(stormSeconds) +
                " s storm of " + std::to_string(r.presses) + " presses with another core busy";
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
  std::vector<SizeResult> results;
  try {
    for (int frames : kBufferSizes) results.push_back(MeasureSize(frames, settings, log));
  } catch (...) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    throw;
  }
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  for (const SizeResult& r : results)
    report.Add(SizeFigure(r, results.front(), settings.stormSeconds));
  // The rule: the smallest buffer whose menu idles under 1 % of a core and
  // whose stream never ran dry.
  const SizeResult* chosen = nullptr;
  for (const SizeResult& r : results) {
    if (Holds(r) && (chosen == nullptr || r.frames < chosen->frames)) chosen = &r;
  }
  report.Say(chosen == nullptr
                 ? "(no buffer size held: every one idled at 1 % or more, or ran dry)"
                 : "(the smallest buffer that held: " + std::to_string(chosen->frames) +
                       " frames, " + Fixed(chosen->totalMs.median, 1) + " ms from key to sink)");
}

}  // namespace bench
