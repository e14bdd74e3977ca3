#pragma once
// The benchmark's figures, how every figure is printed (its median, 95th
// percentile, baseline and target), and what the figures share: the real
// window host and sound device wired as the programs wire them, the real game
// on them, and keys posted to the real window.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/Common.h"
#include "game/frmMain.h"
#include "platform/QtWindowHost.h"
#include "sound/ClipPlayback.h"
#include "sound/PlayWatch.h"
#include "sound/SdlSoundDevice.h"
#include "tests/support/Files.h"

namespace bench {

// The wall time of each of `runs` runs of the action, in units of unitNs
// nanoseconds (milliseconds unless told), after warmUps runs that are not
// counted; `between` runs untimed after each run.
std::vector<double> Sample(int runs, const std::function<void()>& action, double unitNs = 1e6,
                           int warmUps = 1, const std::function<void()>& between = {});

// The folder with the built programs and the default clip set.
std::filesystem::path ProgramFolder();

// The real Qt host as a program sees it, but ending the program throws, so
// that it comes back to the benchmark instead of ending its process, and so
// does a dialog, which would wait for a person who is not there.
class BenchHost final : public platform::WindowHost {
 public:
  explicit BenchHost(platform::QtWindowHost& real) : real_(real) {}
  void SetCaption(const std::string& caption) override { real_.SetCaption(caption); }
  void ShowWindow() override { real_.ShowWindow(); }
  void StartTimer(int intervalMs) override { real_.StartTimer(intervalMs); }
  void DoEvents() override { real_.DoEvents(); }
  void ShowMessage(const std::string& text, const std::string&) override { Unexpected(text); }
  bool AskYesNo(const std::string& text, const std::string&) override { Unexpected(text); }
  std::string AskText(const std::string& text, const std::string&) override { Unexpected(text); }
  void Beep() override { real_.Beep(); }
  [[noreturn]] void EndProgram(int status) override {
    throw std::runtime_error("the game ended unexpectedly (status " + std::to_string(status) + ")");
  }

 private:
  [[noreturn]] static void Unexpected(const std::string& text) {
    throw std::runtime_error("unexpected dialog: " + text);
  }
  platform::QtWindowHost& real_;
};

// The real window host and sound device, wired as RunProgram wires them:
// every clip end wakes the host's yield. The programs play through the
// watch, which tells each clip handed to the mixer.
struct RealStack {
  explicit RealStack(int bufferFrames = sound::SdlSoundDevice::kBufferFrames);
  platform::QtWindowHost host{"Tarnwick"};
  BenchHost benchHost{host};
  // After the host, so it closes (and stops posting wake-ups) first.
  sound::SdlSoundDevice sdl;
  sound::PlayWatch device{sdl};
};

// The real stack with clip playback over a temporary folder, started up.
struct ClipStack {
  ClipStack();
  RealStack stack;
  fake::TempFolder folder;
  sound::ClipPlayback clips;
};

// Hands the window's events to a program and notes the moment each
// key-down reaches it.
class EntryProbe final : public platform::WindowEvents {
 public:
  explicit EntryProbe(platform::WindowEvents& inner) : inner_(inner) {}
  void Form_Load() override { inner_.Form_Load(); }
  void Form_KeyDown(int keyCode, int shift) override {
    if (onKeyDown) onKeyDown(NowNs());
    inner_.Form_KeyDown(keyCode, shift);
  }
  void Form_KeyUp(int keyCode, int shift) override { inner_.Form_KeyUp(keyCode, shift); }
  void tmrScore_Timer() override { inner_.tmrScore_Timer(); }
  void Form_Unload(bool& cancel) override { inner_.Form_Unload(cancel); }
  // Called with the time a key-down arrived, on the window thread.
  std::function<void(int64_t)> onKeyDown;

 private:
  platform::WindowEvents& inner_;
};

// The real game on the real stack, in a folder with the default clip set and
// one open maze, brought into "game" mode by keys posted to its window.
struct GameSession {
  explicit GameSession(int bufferFrames = sound::SdlSoundDevice::kBufferFrames);
  // Runs the game's load: the intro plays to its end, then Enter is pressed
  // until the menu has started maze 1. Returns the seconds it took.
  double StartToGameMode();

  RealStack stack;
  fake::TempFolder folder;
  game::frmMain form;
  EntryProbe probe;
};

enum class Key { Right, Left, Up, Down, Space, Enter, Escape, A };

// Posts a key press or release to the real window, as the window system's
// events arrive; safe from any thread.
void PostKey(platform::QtWindowHost& host, Key key, bool press);
// A press and its release.
void PressKey(platform::QtWindowHost& host, Key key);
// Runs the window's event loop for a while, as a program does between
// events.
void RunEventLoopFor(int milliseconds);
// Runs `poster` on a thread of its own, which posts keys, while the window
// thread sits in its yield between them, as a program waiting for keys does.
void WhileWindowWaits(platform::QtWindowHost& host, const std::function<void()>& poster);
// Lets the window thread run `action` after `milliseconds` in its event loop.
void After(int milliseconds, std::function<void()> action);
// Handles whatever window events are pending, without waiting: one pass of
// a polling wait.
void ProcessPendingEvents();

struct Figure {
  std::string id;    // "1a"
  std::string name;  // what was measured
  std::string unit;  // "us", "% of a core", "ms"
  Summary value;
  std::string baselineName;
  Summary baseline;
  std::string target = "none set";  // or "p95 < 1000"
  // Empty when no target applies.
  std::optional<bool> met;
  std::string note;
};

// Prints the figure, at once.
void Print(std::ostream& out, const Figure& figure);

// A figure of samples against a baseline. With a limit the target is "p95 <
// limit unit" and met when the 95th percentile lies below it; without one
// no target is set.
Figure MakeFigure(std::string id, std::string name, std::string unit,
                  const std::vector<double>& samples, std::string baselineName, Summary baseline,
                  std::optional<double> p95Limit);

std::string Fixed(double value, int decimals);

struct Settings {
  int keyPresses = 2000;
  // Repetitions of each 3-second processor-use measurement.
  int waitRuns = 5;
  int startUpRuns = 15;
  int clipRuns = 500;
  int searchRuns = 15;
  // Steps timed on each sound server, and its key storm: presses and
  // releases 1 ms apart.
  int serverSteps = 200;
  int stormKeys = 20'000;
  // The mixer buffer of the sound-server figure.
  int bufferFrames = sound::SdlSoundDevice::kBufferFrames;
};

// 1: key to sound through the real game in "game" mode.
void KeyToSoundGame(std::ostream& out, const Settings& settings, GameSession& game);

// 2: processor use while waiting: on a clip, then in the game walking and in
// its menu. The spin baseline is measured first and used by the game's
// figures.
Summary WaitingClip(std::ostream& out, const Settings& settings);
void WaitingInGame(std::ostream& out, const Settings& settings, GameSession& game,
                   const Summary& spin);
// Percent of one core spent over each wait: by the whole process, and by the
// window thread alone (the rest is SDL's audio thread mixing the output).
struct CoreUse {
  std::vector<double> total;
  std::vector<double> window;
};
// Over `runs` waits.
CoreUse CoreUseOver(int runs, const std::function<void()>& wait);
// In the maze menu sitting idle, over `runs` waits of `waitMs`; the game
// must be walking, and walks again afterwards.
CoreUse MeasureMenuIdle(GameSession& game, int runs, int waitMs);

// 1d: key to sink on each sound server scripts/bench started, with the mixer
// buffer in use, the first step after a silence, idle processor use and the
// stream's underruns during a key storm.
void ServerLatency(std::ostream& out, const Settings& settings);

// 3: start-up, in fresh processes of this program.
void StartUp(std::ostream& out, const Settings& settings);
// The child processes' side: returns the exit status, or -1 when argv asks
// for no child.
int StartUpChild(int argc, char** argv);

// 4: clip creation.
void ClipCreation(std::ostream& out, const Settings& settings);

// 5: the maze checker on its slowest maze.
void MazeCheckFigure(std::ostream& out, const Settings& settings);

}  // namespace bench
