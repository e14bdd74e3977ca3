#pragma once
// What the figures share: the real
// window host and sound device wired as the programs wire them, the real game
// on them, and keys posted to the real window.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/Common.h"
#include "game/frmMain.h"
#include "platform/QtWindowHost.h"
#include "sound/ClipPlayback.h"
#include "sound/PlayWatch.h"
#include "sound/SdlSoundDevice.h"
#include "tests/support/Fakes.h"

namespace bench {

// The wall time of each of `runs` runs of the action, in units of unitNs
// nanoseconds (milliseconds unless told), after warmUps runs that are not
// counted; `between` runs untimed after each run.
std::vector<double> Sample(int runs, const std::function<void()>& action, double unitNs = 1e6,
                           int warmUps = 1, const std::function<void()>& between = {});

// The folder with the built programs and the default clip set.
std::filesystem::path ProgramFolder();

// Thrown by BenchHost::EndProgram, so that a program's ending comes back to
// the benchmark instead of ending its process.
struct ProgramEnded : std::runtime_error {
  explicit ProgramEnded(int status)
      : std::runtime_error("the game ended unexpectedly (status " + std::to_string(status) + ")") {}
};

// The real Qt host as a program sees it, but ending the program unwinds, and
// a dialog, which would wait for a person who is not there, throws.
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
  [[noreturn]] void EndProgram(int status) override { throw ProgramEnded(status); }

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
  RealStack();
  platform::QtWindowHost host{"Tarnwick"};
  BenchHost benchHost{host};
  // After the host, so it closes (and stops posting wake-ups) first.
  sound::SdlSoundDevice sdl;
  sound::PlayWatch device{sdl};
};

// The real stack with clip playback over a scratch folder, started up.
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
  GameSession();
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
// Overrides the environment so the real stack runs headless: Qt's offscreen
// platform, SDL's dummy audio driver.
void UseHeadlessPlatform();

}  // namespace bench
