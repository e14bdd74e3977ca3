// Figure 3: from process start to the intro clip handed to the mixer.
//
// The parent takes the monotonic clock (shared by every process of the
// machine) just before it launches a fresh copy of this program through
// `sh -c 'exec ...'`; the child runs the game exactly as tarnwick's main
// does (RunProgram with the game's frmMain, the default clip set, Qt
// offscreen, SDL's dummy driver) and, when the first clip is handed to the
// mixer, writes the elapsed time and the clip's name and leaves. The
// baseline launches the same program to its main() and no further: the
// cost of starting a process of this size at all.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/RunProgram.h"
#include "bench/Figures.h"
#include "game/GameTexts.h"
#include "sound/ClipTrace.h"

namespace bench {
namespace {

constexpr char kGameChild[] = "--start-game-child";
constexpr char kMainChild[] = "--reach-main-child";

// One launch; returns the numbers the child wrote.
std::string Launch(const std::filesystem::path& self, const char* mode,
                   const std::filesystem::path& out) {
  const std::string launched = std::to_string(NowNs());
  const std::string command = "QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy exec '" +
                              self.string() + "' " + mode + " " + launched + " >'" + out.string() +
                              "'";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("the child failed: " + command);
  std::ifstream in(out);
  std::string line;
  std::getline(in, line);
  return line;
}

}  // namespace

int StartUpChild(int argc, char** argv) {
  if (argc < 3) return -1;
  const std::string mode = argv[1];
  if (mode != kGameChild && mode != kMainChild) return -1;
  const int64_t launched = std::stoll(argv[2]);
  const int64_t mainReached = NowNs();
  if (mode == kMainChild) {
    std::printf("%lld\n", static_cast<long long>(mainReached - launched));
    return 0;
  }
  // The clip trace names each clip as it is started, just before the mixer
  // is handed it.
  std::ostringstream started;
  std::unique_ptr<sound::ClipTrace> trace;
  sound::SdlSoundDevice::SetPlayObserver([&](sound::ClipSlot slot) {
    if (slot != sound::ClipSlot::Current) return;
    const int64_t heard = NowNs();
    std::string name = started.str();
    while (!name.empty() && name.back() == '\n') name.pop_back();
    name = name.substr(name.find_last_of('\n') + 1) + ".wav";
    std::printf("%lld %lld %s\n", static_cast<long long>(mainReached - launched),
                static_cast<long long>(heard - launched), name.c_str());
    std::fflush(stdout);
    std::_Exit(0);
  });
  int qtArgc = 1;
  return app::RunProgram(
      qtArgc, argv, game::kProgramName,
      [&](platform::WindowHost& host, sound::SoundDevice& device,
          const std::filesystem::path&) -> std::unique_ptr<platform::WindowEvents> {
        trace = std::make_unique<sound::ClipTrace>(device, started);
        return std::make_unique<game::frmMain>(host, *trace, ProgramFolder());
      });
}

void StartUp(Report& report, const Settings& settings) {
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
  ScratchFolder folder("startup");
  const std::filesystem::path out = folder.Path() / "child.txt";
  // The first launches fill the file cache; they are not counted.
  Launch(self, kMainChild, out);
  Launch(self, kGameChild, out);
  std::vector<double> toMain;
  std::vector<double> toIntro;
  std::vector<double> toMainInGame;
  std::string clip;
  for (int run = 0; run < settings.startUpRuns; ++run) {
    toMain.push_back(std::stod(Launch(self, kMainChild, out)) / 1e6);
    long long main = 0;
    long long heard = 0;
    char name[256] = {};
    const std::string line = Launch(self, kGameChild, out);
    if (std::sscanf(line.c_str(), "%lld %lld %255[^\n]", &main, &heard, name) != 3) {
      throw std::runtime_error("the game child wrote: " + line);
    }
    toMainInGame.push_back(static_cast<double>(main) / 1e6);
    toIntro.push_back(static_cast<double>(heard) / 1e6);
    clip = name;
  }
  Figure figure =
      MakeFigure("3", "Start-up: process start to \"" + clip + "\" handed to the mixer", "ms",
                 toIntro, "process start to main() of the same program", Summarize(toMain), 300.0);
  figure.met = *figure.met && clip == game::kIntroClip;
  const Summary mainInGame = Summarize(toMainInGame);
  figure.note = "of which launch to main(): median " + Fixed(mainInGame.median, 1) +
                " ms; the launch goes through sh -c exec, the default clip set, Qt offscreen, " +
                "SDL dummy driver";
  report.Add(figure);
}

}  // namespace bench
