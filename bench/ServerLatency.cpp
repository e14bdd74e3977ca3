// Figure 1d: the whole way from a key to the sink on the sound servers a
// Linux desktop has, PulseAudio and PipeWire's PulseAudio replacement, each
// started by scripts/bench with a null sink. The game runs on each with the
// buffer it uses. A step's key to sink is the time from its key to the end
// of the first mix that holds it, plus what the server then reports it holds
// for the game's stream ahead of it. Then the first step after the mixer has
// slept through a silence, processor use while the game and its menu sit
// idle (the game's and the server's), and the stream's underruns in a key
// storm while every core is kept busy.

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>
#include <utility>

#include "bench/Figures.h"
#include "game/GameTexts.h"

namespace bench {
namespace {

constexpr int kResumeSamples = 8;
constexpr int kIdleMs = 10'000;

// A server scripts/bench started: TARNWICK_BENCH_SERVERS holds
// "name|address|log|pid pid;..." for each.
struct Server {
  std::string name, address, log;
  std::vector<int> pids;
};

std::vector<Server> Servers() {
  const char* list = std::getenv("TARNWICK_BENCH_SERVERS");
  std::vector<Server> servers;
  std::istringstream entries(list != nullptr ? list : "");
  for (std::string entry; std::getline(entries, entry, ';');) {
    std::istringstream fields(entry);
    Server& server = servers.emplace_back();
    std::getline(std::getline(std::getline(fields, server.name, '|'), server.address, '|'),
                 server.log, '|');
    for (int pid = 0; fields >> pid;) server.pids.push_back(pid);
  }
  return servers;
}

// The server's word for this process's stream: its buffer latency plus the
// sink's latency, in milliseconds; negative when the stream is not listed.
double StreamLatencyMs() {
  std::unique_ptr<FILE, int (*)(FILE*)> listing(popen("pactl list sink-inputs 2>/dev/null", "r"),
                                                pclose);
  const std::string ownPid = "application.process.id = \"" + std::to_string(getpid()) + "\"";
  double bufferUs = -1, sinkUs = -1, found = -1;
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

// Underruns the server has logged so far (PulseAudio's words, then
// PipeWire's), and its last line about a stream's buffer. PipeWire reports
// no latency for a stream: what it holds is estimated from what it granted,
// as the client keeps it filled to between tlength and tlength - minreq.
struct LogCount {
  int underruns = 0;
  std::string buffer;
  double grantedMs = -1;
};

LogCount ReadLog(const std::string& log) {
  std::ifstream in(log);
  LogCount count;
  for (std::string line; std::getline(in, line);) {
    if (line.find("underrun of '") != std::string::npos ||
        line.find("UNDERFLOW") != std::string::npos) {
      ++count.underruns;
    }
    if (line.find("Final latency") != std::string::npos ||
        line.find("tlength:") != std::string::npos) {
      count.buffer = line.substr(line.find_last_of(']') + 2);
      unsigned tlength = 0, minreq = 0;
      if (std::sscanf(count.buffer.c_str(), "maxlength:%*u tlength:%u minreq:%u", &tlength,
                      &minreq) == 2) {
        // 16-bit stereo at 44.1 kHz: 176.4 bytes a millisecond.
        count.grantedMs = (tlength - minreq / 2.0) / 176.4;
      }
    }
  }
  return count;
}

// Processor seconds the server's processes have used so far.
double ServerCpuSeconds(const Server& server) {
  double ticks = 0;
  for (const int pid : server.pids) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), {});
    // User and system time, the 14th and 15th fields; the name, the 2nd, ends
    // at the last parenthesis.
    double user = 0, system = 0;
    std::sscanf(stat.c_str() + stat.rfind(')') + 1,
                " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lf %lf", &user, &system);
    ticks += user + system;
  }
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// From a key to the end of the first mix that holds its step, in ms.
double KeyToMixMs(GameSession& game, Key key) {
  std::atomic<int64_t> played{0}, mixed{0};
  game.stack.device.onPlay = [&](const sound::PlayedClip& clip) {
    if (clip.slot == sound::ClipSlot::Step) played = NowNs();
  };
  game.stack.sdl.SetMixListener([&](int playing) {
    if (playing > 0 && played != 0 && mixed == 0) mixed = NowNs();
  });
  const int64_t posted = NowNs();
  PostKey(game.stack.host, key, true);
  while (mixed == 0 && NowNs() - posted < 2'000'000'000) {
    ProcessPendingEvents();
    std::this_thread::sleep_for(std::chrono::microseconds(100));
  }
  game.stack.sdl.SetMixListener(nullptr);
  game.stack.device.onPlay = nullptr;
  PostKey(game.stack.host, key, false);
  ProcessPendingEvents();
  if (mixed == 0) throw std::runtime_error("a step was never mixed");
  return static_cast<double>(mixed - posted) / 1e6;
}

// Keys as fast as the window takes them, 1 ms apart, walking a small square
// with a readout now and then, so the maze is never left.
void KeyStorm(GameSession& game, int keys) {
  constexpr Key kLoop[] = {Key::Right, Key::Up, Key::Left, Key::Down, Key::Space};
  WhileWindowWaits(game.stack.host, [&] {
    for (int i = 0; i < keys; ++i) {
      PostKey(game.stack.host, kLoop[i / 2 % std::size(kLoop)], i % 2 == 0);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
}

// Percent of a core the server's processes use over the wait.
double ServerUse(const Server& server, const std::function<void()>& wait) {
  const double before = ServerCpuSeconds(server);
  const int64_t start = NowNs();
  wait();
  return 100.0 * (ServerCpuSeconds(server) - before) * 1e9 / static_cast<double>(NowNs() - start);
}

Figure Measure(const Settings& settings, const Server& server) {
  setenv("PULSE_SERVER", server.address.c_str(), 1);
  const double serverAlone = ServerUse(server, [] { RunEventLoopFor(3000); });
  GameSession game(settings.bufferFrames);
  game.StartToGameMode();
  const double granted = ReadLog(server.log).grantedMs;
  // A step to the right or back: its key to its mix, plus what the server
  // then holds ahead of it.
  auto step = [&](int i) {
    const double toMix = KeyToMixMs(game, i % 2 == 0 ? Key::Right : Key::Left);
    const double held = StreamLatencyMs();
    if (held < 0) throw std::runtime_error("the server does not list the game's stream");
    return std::pair{toMix, held == 0 && granted > 0 ? granted : held};
  };
  std::vector<double> total, held, resumed;
  for (int i = 0; i < settings.serverSteps; ++i) {
    const auto [toMix, ahead] = step(i);
    held.push_back(ahead);
    total.push_back(toMix + ahead);
    RunEventLoopFor(100);
  }
  for (int i = 0; i < kResumeSamples; ++i) {
    const int sleeps = game.stack.sdl.SilentSleeps();
    for (int ms = 0; game.stack.sdl.SilentSleeps() == sleeps; ms += 100) {
      if (ms > 8000) throw std::runtime_error("the mixer never slept through a silence");
      RunEventLoopFor(100);
    }
    const auto [toMix, ahead] = step(i);
    resumed.push_back(toMix + ahead);
  }
  double gameIdle = 0;
  const double serverIdle = ServerUse(
      server, [&] { gameIdle = CoreUseOver(1, [] { RunEventLoopFor(kIdleMs); }).total[0]; });
  const double menu = MeasureMenuIdle(game, 1, kIdleMs).total[0];
  if (game.form.FormMode != game::kModeGame) throw std::runtime_error("the game is not walking");
  const int before = ReadLog(server.log).underruns;
  {
    std::vector<std::jthread> busy;
    for (unsigned core = 0; core < std::thread::hardware_concurrency(); ++core) {
      busy.emplace_back([](std::stop_token stop) {
        for (volatile unsigned long spin = 0; !stop.stop_requested();) spin = spin + 1;
      });
    }
    KeyStorm(game, settings.stormKeys);
  }
  RunEventLoopFor(300);
  const LogCount log = ReadLog(server.log);
  const int underruns = log.underruns - before;

  const int frames = settings.bufferFrames;
  Figure figure = MakeFigure(
      "1d", "Key to sink on " + server.name + ", " + std::to_string(frames) + "-frame buffer", "ms",
      total,
      granted > 0 ? "what the server holds for the stream, from its grant (it reports 0)"
                  : "what the server reports it holds for the stream",
      Summarize(held), std::nullopt);
  figure.target = "median <= 6 ms, p95 <= 10 ms; idle < 1 % of a core; no underrun";
  figure.met = figure.value.median <= 6.0 && figure.value.p95 <= 10.0 && gameIdle < 1.0 &&
               menu < 1.0 && underruns == 0;
  const Summary resume = Summarize(resumed);
  figure.note = "first step after the mixer slept: median " + Fixed(resume.median, 2) +
                " ms, p95 " + Fixed(resume.p95, 2) + " ms (n=" + std::to_string(resume.count) +
                ")\n      idle 10 s: the game in \"game\" mode " + Fixed(gameIdle, 2) +
                " %, in its menu " + Fixed(menu, 2) + " %; the server meanwhile " +
                Fixed(serverIdle, 2) + " %, before the game came " + Fixed(serverAlone, 2) +
                " %\n      " + std::to_string(underruns) + " underrun(s) in a storm of " +
                std::to_string(settings.stormKeys) +
                " key events with every core busy\n      the stream's buffer: " + log.buffer;
  return figure;
}

}  // namespace

void ServerLatency(std::ostream& out, const Settings& settings) {
  const std::vector<Server> servers = Servers();
  if (servers.empty()) {
    out << "[1d] key to sink on a sound server: not measured, no server was started for it"
        << std::endl;
    return;
  }
  // SDL reads its driver each time the audio opens; the other figures go on
  // with the dummy driver (a failure here ends the run).
  setenv("SDL_AUDIODRIVER", "pulseaudio", 1);
  for (const Server& server : servers) Print(out, Measure(settings, server));
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

}  // namespace bench
