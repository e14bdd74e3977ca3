#pragma once
// A window host on the virtual clock. Keys arrive from a script at given
// times, timer ticks every interval, dialogs take scripted answers, and
// everything shown is recorded. Ending the program unwinds to the test.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/WindowHost.h"
#include "tests/support/FakeSound.h"
#include "tests/support/VirtualClock.h"

namespace fake {

// Thrown by EndProgram; caught by Run.
struct ProgramEnded {
  int status = 0;
};

// Thrown when the script has gone wrong: the test fails with its text.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class DialogKind { Message, YesNo, Text };

struct DialogAnswer {
  DialogKind kind = DialogKind::Message;
  bool yes = false;
  std::string text;
};

struct ShownDialog {
  int64_t time = 0;
  DialogKind kind = DialogKind::Message;
  std::string text;
  std::string title;
  DialogAnswer answer;
};

struct ScriptedEvent {
  enum Kind { KeyDown, KeyUp, Close } kind = KeyDown;
  int64_t at = 0;
  int key = 0;
  int shift = 0;
};

struct CaptionRecord {
  int64_t time = 0;
  std::string text;
};

class FakeHost : public platform::WindowHost {
 public:
  FakeHost(VirtualClock& clock, FakeSound& sound) : clock_(clock), sound_(sound) {}

  // The script. Events keep time order; equal times keep the order given.
  void KeyDown(int64_t at, int key, int shift = 0);
  void KeyUp(int64_t at, int key, int shift = 0);
  // Key-down at `at`, key-up holdMs later.
  void Press(int64_t at, int key, int shift = 0, int64_t holdMs = 20);
  void CloseRequest(int64_t at);
  void Answer(DialogAnswer answer) { answers_.push_back(std::move(answer)); }
  void AnswerOk() { Answer({DialogKind::Message, false, {}}); }
  void AnswerYes() { Answer({DialogKind::YesNo, true, {}}); }
  void AnswerNo() { Answer({DialogKind::YesNo, false, {}}); }
  void AnswerText(std::string text) { Answer({DialogKind::Text, false, std::move(text)}); }
  // Answers every dialog instead of the scripted answers (key storms).
  std::function<DialogAnswer(DialogKind, const std::string&)> answerer;
  // Runs after each delivered event (key storms check invariants there).
  std::function<void()> afterEvent;
  // How long ticks go on once the script is done and all clips have ended.
  int64_t settleMs = 300;
  // A run that passes this much virtual time has hung.
  int64_t timeLimitMs = 3'600'000;

  // Form_Load, then events until the script is done and all is quiet, or
  // the program ends. Returns the exit status when it ended.
  std::optional<int> Run(platform::WindowEvents& program);

  // WindowHost.
  void SetCaption(const std::string& caption) override;
  void ShowWindow() override { shown = true; }
  void StartTimer(int intervalMs) override;
  void DoEvents() override;
  void ShowMessage(const std::string& text, const std::string& title) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  std::string AskText(const std::string& prompt, const std::string& title) override;
  void Beep() override { beeps.push_back(clock_.now); }
  [[noreturn]] void EndProgram(int status) override;

  // Records.
  bool shown = false;
  std::vector<CaptionRecord> captions;
  std::vector<ShownDialog> dialogs;
  std::vector<int64_t> beeps;
  std::vector<bool> closeCancelled;
  std::optional<int> endStatus;
  int64_t yields = 0;

  std::string LastCaption() const { return captions.empty() ? std::string() : captions.back().text; }
  size_t UnusedAnswers() const { return answers_.size(); }
  size_t PendingEvents() const { return script_.size(); }
  int64_t Now() const { return clock_.now; }

 private:
  struct Quiet {};  // nothing will ever be due again
  void Schedule(ScriptedEvent event);
  bool DeliverDue();
  void Deliver(const ScriptedEvent& event);
  std::optional<int64_t> NextDue() const;
  DialogAnswer TakeAnswer(DialogKind kind, const std::string& text);

  VirtualClock& clock_;
  FakeSound& sound_;
  platform::WindowEvents* program_ = nullptr;
  std::deque<ScriptedEvent> script_;
  std::deque<DialogAnswer> answers_;
  int timerInterval_ = 0;
  int64_t nextTick_ = 0;
  int64_t lastActivity_ = 0;
};

}  // namespace fake
