#pragma once
// What every test of the programs runs on: a window host and a sound device
// sharing one virtual clock, a temporary program folder, clip files, and
// mazes drawn as text.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "maze/Grid.h"
#include "platform/WindowHost.h"
#include "sound/SoundDevice.h"
#include "tests/support/Files.h"

namespace fake {

struct Clock {
  int64_t now = 0;  // milliseconds
};

// One play of a clip, from its start until it ended or was cut off.
struct Heard {
  int64_t at = 0;
  int64_t end = 0;
  std::string name;  // the file name without ".wav"
  sound::ClipSlot slot = sound::ClipSlot::Current;
  int32_t pan = 0;
};

// Clips last as long as their WAV header says.
class FakeSound : public sound::SoundDevice {
 public:
  explicit FakeSound(Clock& clock) : clock_(clock) {}
  bool Open(std::string& reason) override;
  std::unique_ptr<sound::Clip> CreateClip(const std::filesystem::path& wav,
                                          sound::ClipSlot slot) override;
  void Preload(const std::filesystem::path& wav) override {
    preloaded.push_back(wav.filename().string());
  }
  void PlayBeep() override {}
  void SetClipEndListener(std::function<void()>) override {}
  void Close() override {}

  // The earliest end, after now, of a clip still playing.
  std::optional<int64_t> NextEnd() const;

  std::optional<std::string> openFailure;
  std::vector<Heard> heard;
  std::vector<std::string> preloaded;

 private:
  friend class FakeClip;
  Clock& clock_;
};

struct Dialog {
  std::string text;
  std::string title;
  std::string caption;  // the window's caption while the dialog was up
};

// Thrown when a story goes wrong (a question nobody answered).
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Keys, close requests and timer ticks at their virtual times. Message boxes
// are answered OK; questions and prompts take the next scripted answer ("y"
// or "n" for a question), or ask `answerer` when set.
class FakeHost : public platform::WindowHost {
 public:
  FakeHost(Clock& clock, FakeSound& sound) : clock_(clock), sound_(sound) {}

  void KeyDown(int64_t at, int key, int shift = 0);
  void KeyUp(int64_t at, int key, int shift = 0);
  void CloseRequest(int64_t at);
  std::deque<std::string> answers;
  std::function<std::string(const std::string& text)> answerer;
  // Runs after each delivered event.
  std::function<void()> afterEvent;

  // Form_Load, then events until nothing more will happen or the program
  // ends; the exit status when it ended.
  std::optional<int> Run(platform::WindowEvents& form);

  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  void ShowWindow() override {}
  void StartTimer(int intervalMs) override;
  void DoEvents() override;
  void ShowMessage(const std::string& text, const std::string& title) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  std::string AskText(const std::string& prompt, const std::string& title) override;
  void Beep() override { beeps.push_back(clock_.now); }
  [[noreturn]] void EndProgram(int status) override;

  std::vector<std::string> captions;
  std::vector<Dialog> dialogs;
  std::vector<int64_t> beeps;

 private:
  struct Event {
    enum Kind { Down, Up, Close } kind;
    int64_t at;
    int key;
    int shift;
  };
  void Schedule(Event event);
  bool DeliverDue();
  std::string Answer(const std::string& text);

  Clock& clock_;
  FakeSound& sound_;
  platform::WindowEvents* form_ = nullptr;
  std::deque<Event> script_;
  int interval_ = 0;
  int64_t nextTick_ = 0;
  int64_t lastActivity_ = 0;
};

// Rows of text become the top rows of the grid: '#' wall, ' ' floor, 'S'
// start, 'G' goal, 'a' to 't' keys 1 to 20, 'A' to 'T' doors 1 to 20 (but
// for G and S). The rest of the grid is wall.
maze::MazeRecord DrawMaze(const std::vector<std::string>& rows);

}  // namespace fake
