#pragma once
// What the figures share: clocks, a scratch folder, tone files, the real
// window host and sound device wired as the programs wire them, and keys
// posted to the real window.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/QtWindowHost.h"
#include "platform/WindowHost.h"
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
// User plus system processor time of the whole process (every thread), in
// seconds.
double CpuSeconds();
// The processor time of the calling thread alone, in seconds, as the kernel
// counts it (Linux); negative when it cannot be read.
double ThreadCpuSeconds();

// The folder with the built programs and the default clip set.
std::filesystem::path ProgramFolder();

// A fresh folder, removed with its contents at the end.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& label);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Thrown by BenchHost::EndProgram, so that a program's ending comes back to
// the benchmark instead of ending its process.
struct ProgramEnded {
  int status = 0;
};

// The real Qt host as a program sees it, but ending the program unwinds.
class BenchHost final : public platform::WindowHost {
 public:
  explicit BenchHost(platform::QtWindowHost& real) : real_(real) {}
  void SetCaption(const std::string& caption) override { real_.SetCaption(caption); }
  void ShowWindow() override { real_.ShowWindow(); }
  void StartTimer(int intervalMs) override { real_.StartTimer(intervalMs); }
  void DoEvents() override { real_.DoEvents(); }
  void ShowMessage(const std::string& text, const std::string& title) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  std::string AskText(const std::string& prompt, const std::string& title) override;
  void Beep() override { real_.Beep(); }
  [[noreturn]] void EndProgram(int status) override { throw ProgramEnded{status}; }

 private:
  platform::QtWindowHost& real_;
};

// The real window host and sound device, wired as RunProgram wires them:
// every clip end wakes the host's yield.
struct RealStack {
  explicit RealStack(int bufferFrames = sound::SdlSoundDevice::kBufferFrames);
  ~RealStack();
  platform::QtWindowHost host{"Tarnwick"};
  BenchHost benchHost{host};
  // After the host, so it closes (and stops posting wake-ups) first.
  sound::SdlSoundDevice device;
};

// The real stack with clip playback over a scratch folder that holds the
// default step clip, started up and with the step loaded.
struct StepClipStack {
  explicit StepClipStack(const std::string& label);
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

enum class Key { Right, Left, Up, Down, Space, Enter, Escape, A };

// Posts a key press or release to the real window, as the window system's
// events arrive; safe from any thread.
void PostKey(platform::QtWindowHost& host, Key key, bool press);

// Runs the window's event loop for a while, as a program does between
// events.
void RunEventLoopFor(int milliseconds);
// Lets the window thread run `action` after `milliseconds` in its event loop.
void After(int milliseconds, std::function<void()> action);

}  // namespace bench

namespace bench {
// Handles whatever window events are pending, without waiting: one pass of
// a polling wait.
void ProcessPendingEvents();
// Overrides the environment so the real stack runs headless: Qt's offscreen
// platform, SDL's dummy audio driver.
void UseHeadlessPlatform();
}  // namespace bench
