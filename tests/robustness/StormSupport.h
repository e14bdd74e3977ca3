#pragma once
// Key storms: a long stream of random key-downs, key-ups and close requests
// from a fixed seed, played into a program on the fakes, with the program's
// invariants checked after every event it handles.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/WindowHost.h"
#include "tests/support/FakeHost.h"
#include "tests/support/ScenarioFolder.h"

namespace robustness {

struct StormEvent {
  enum Kind { KeyDown, KeyUp, Close } kind = KeyDown;
  int key = 0;
  int shift = 0;
  int64_t at = 0;  // virtual milliseconds from the storm's start
};

struct StormMix {
  // The keys a program reacts to; half the key-downs come from here, the
  // rest are any code 0 to 255. A key listed twice comes twice as often.
  std::vector<int> usedKeys;
  // Chance of a close request instead of a key event.
  double closeChance = 0.0;
};

// Gaps between events: bursts at the same moment, quick runs, ordinary
// typing and pauses long enough for clips and menus to finish.
std::vector<StormEvent> MakeStorm(uint32_t seed, int count, const StormMix& mix);

// The seed: TARNWICK_STORM_SEED when set, else the fixed one given.
uint32_t StormSeed(uint32_t fixed);

// A fake host that knows whether a dialog is up, and never runs out of time.
class StormHost : public fake::FakeHost {
 public:
  StormHost(fake::VirtualClock& clock, fake::FakeSound& sound);
  void ShowMessage(const std::string& text, const std::string& title) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  std::string AskText(const std::string& prompt, const std::string& title) override;
  int openDialogs = 0;
};

// Thrown out of a handler when an invariant breaks; ends the session.
struct InvariantBroken {
  std::string what;
};

// Passes each event to the program and checks the invariants after it
// returns (nested events included). Counts the storm's events delivered.
class CheckedProgram : public platform::WindowEvents {
 public:
  // check returns an empty text while all holds, else what broke.
  CheckedProgram(platform::WindowEvents& program, std::function<std::string()> check)
      : program_(program), check_(std::move(check)) {}
  void Form_Load() override;
  void Form_KeyDown(int keyCode, int shift) override;
  void Form_KeyUp(int keyCode, int shift) override;
  void tmrScore_Timer() override;
  void Form_Unload(bool& cancel) override;
  void Check() const;

  int delivered = 0;
  bool loaded = false;

 private:
  platform::WindowEvents& program_;
  std::function<std::string()> check_;
};

// Schedules events[first..] on the host, shifted so the first comes at
// `startAt` of the session's own clock.
void ScheduleFrom(fake::FakeHost& host, const std::vector<StormEvent>& events, size_t first,
                  int64_t startAt);

// Every clip of the game, at lengths near the real ones.
void WriteGameClips(fake::ScenarioFolder& folder);
// Every clip of the editor.
void WriteEditorClips(fake::ScenarioFolder& folder);

}  // namespace robustness
