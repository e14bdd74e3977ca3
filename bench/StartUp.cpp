// Figure 3: from process start to the intro clip handed to the mixer.
//
// The parent takes the monotonic clock (shared by every process of the
// machine) just before it launches a fresh copy of this program through
// `sh -c 'exec ...'`; the child runs the game exactly as tarnwick's main
// does (RunProgram with the game's frmMain, the default clip set, Qt
// offscreen, SDL's dummy driver) and, when the first clip is handed to the
// mixer, writes the elapsed time and the clip's file name and leaves. The
// baseline launches the same program to its main() and no further: the
// cost of starting a process of this size at all.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <istream>

#include "app/RunProgram.h"
#include "bench/Figures.h"
#include "game/GameTexts.h"

namespace bench {
namespace {

constexpr char kGameChild[] = "--start-game-child";
constexpr char kMainChild[] = "--reach-main-child";

// One launch; returns what the child wrote, to be read.
std::ifstream Launch(const std::filesystem::path& self, const char* mode,
                     const std::filesystem::path& out) {
  const std::string launched = std::to_string(NowNs());
  const std::string command = "QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy exec '" +
                              self.string() + "' " + mode + " " + launched + " >'" + out.string() +
                              "'";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("the child failed: " + command);
  return std::ifstream(out);
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
  // The watch hears each clip just after the mixer is handed it; the first
  // one ends the child.
  std::unique_ptr<sound::PlayWatch> watch;
  int qtArgc = 1;
  return app::RunProgram(
      qtArgc, argv, game::kProgramName,
      [&](platform::WindowHost& host, sound::SoundDevice& device,
          const std::filesystem::path&) -> std::unique_ptr<platform::WindowEvents> {
        watch = std::make_unique<sound::PlayWatch>(device, [&](const sound::PlayedClip& clip) {
          if (clip.slot != sound::ClipSlot::Current) return;
          const int64_t heard = NowNs();
          std::printf("%lld %lld %s\n", static_cast<long long>(mainReached - launched),
                      static_cast<long long>(heard - launched), clip.file.string().c_str());
          std::fflush(stdout);
          std::_Exit(0);
        });
        return std::make_unique<game::frmMain>(host, *watch, ProgramFolder());
      });
}

void StartUp(std::ostream& out, const Settings& settings) {
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
  const fake::TempFolder folder;
  const std::filesystem::path written = folder / "child.txt";
  // The first launches fill the file cache; they are not counted.
  Launch(self, kMainChild, written);
  Launch(self, kGameChild, written);
  std::vector<double> toMain, toIntro, toMainInGame;
  std::string clip;
  for (int run = 0; run < settings.startUpRuns; ++run) {
    double mainNs = 0, mainInGameNs = 0, heardNs = 0;
    Launch(self, kMainChild, written) >> mainNs;
    if (!std::getline(Launch(self, kGameChild, written) >> mainInGameNs >> heardNs >> std::ws,
                      clip)) {
      throw std::runtime_error("the game child wrote no clip");
    }
    toMain.push_back(mainNs / 1e6);
    toMainInGame.push_back(mainInGameNs / 1e6);
    toIntro.push_back(heardNs / 1e6);
  }
  Figure figure =
      MakeFigure("3", "Start-up: process start to \"" + clip + "\" handed to the mixer", "ms",
                 toIntro, "process start to main() of the same program", Summarize(toMain), 300.0);
  figure.met = *figure.met && clip == game::kIntroClip;
  const Summary mainInGame = Summarize(toMainInGame);
  figure.note = "of which launch to main(): median " + Fixed(mainInGame.median, 1) +
                " ms; the launch goes through sh -c exec, the default clip set, Qt offscreen, " +
                "SDL dummy driver";
  Print(out, figure);
}

}  // namespace bench
