#pragma once
// What the figures share: the clock, a scratch folder, tone files, the real
// window host and sound device wired as the programs wire them, the real game
// on them, and keys posted to the real window.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/frmMain.h"
#include "platform/QtWindowHost.h"
#include "sound/ClipPlayback.h"
#include "sound/SdlSoundDevice.h"

namespace bench {

// Monotonic nanoseconds; the same clock in every process of the machine.
int64_t NowNs();
// The wall time of each of `runs` runs of the action, in units of unitNs
// nanoseconds (milliseconds unless told), after warmUps runs that are not
// counted; `between` runs untimed after each run.
std::vector<double> Sample(int runs, const std::function<void()>& action, double unitNs = 1e6,
                           int warmUps = 1, const std::function<void()>& between = {});

// The folder with the built programs and the default clip set.
std::filesystem::path ProgramFolder();
// A tone of `seconds` (1 or 3) at 22050 Hz mono, as the default clips are,
// copied into `folder` under `name`.
void CopyTone(int seconds, const std::filesystem::path& folder, const std::string& name);

// A fresh folder, removed with its contents at the end.
struct ScratchFolder {
  explicit ScratchFolder(const std::string& label);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path path;
};

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
  [[noreturn]] static void Unexpected(const std::string& text);
  platform::QtWindowHost& real_;
};

// A sound device in front of another, as the programs see it, that tells
// the benchmark on the window thread each time a clip has been handed to the
// mixer: its slot and its file's name.
class PlayProbe final : public sound::SoundDevice {
 public:
  explicit PlayProbe(sound::SoundDevice& device) : device_(device) {}
  bool Open(std::string& reason) override { return device_.Open(reason); }
  std::unique_ptr<sound::Clip> CreateClip(const std::filesystem::path& wav,
                                          sound::ClipSlot slot) override;
  void Preload(const std::filesystem::path& wav) override { device_.Preload(wav); }
  void PlayBeep() override { device_.PlayBeep(); }
  void SetClipEndListener(std::function<void()> listener) override {
    device_.SetClipEndListener(std::move(listener));
  }
  void Close() override { device_.Close(); }

  std::function<void(sound::ClipSlot, const std::string& name)> onPlay;

 private:
  sound::SoundDevice& device_;
};

// The real window host and sound device, wired as RunProgram wires them:
// every clip end wakes the host's yield. The programs play through the probe.
struct RealStack {
  RealStack();
  platform::QtWindowHost host{"Tarnwick"};
  BenchHost benchHost{host};
  // After the host, so it closes (and stops posting wake-ups) first.
  sound::SdlSoundDevice sdl;
  PlayProbe device{sdl};
};

// The real stack with clip playback over a scratch folder, started up.
struct ClipStack {
  explicit ClipStack(const std::string& label);
  RealStack stack;
  ScratchFolder folder;
  sound::ClipPlayback clips;
};

// Hands the window's events to a program and notes the moment each
// key-down reaches it.
class EntryProbe final : public platform::WindowEvents {
 public:
  explicit EntryProbe(platform::WindowEvents& inner) : inner_(inner) {}
  void Form_Load() override { inner_.Form_Load(); }
  void Form_KeyDown(int keyCode, int shift) override;
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
  ScratchFolder folder{"game"};
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
// Lets the window thread run `action` after `milliseconds` in its event loop.
void After(int milliseconds, std::function<void()> action);
// Handles whatever window events are pending, without waiting: one pass of
// a polling wait.
void ProcessPendingEvents();
// Overrides the environment so the real stack runs headless: Qt's offscreen
// platform, SDL's dummy audio driver.
void UseHeadlessPlatform();

}  // namespace bench
