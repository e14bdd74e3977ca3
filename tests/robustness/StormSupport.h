#pragma once
// Key storms: a long stream of random key-downs, key-ups and close requests
// from a fixed seed, played into a program on the fakes, with the program's
// invariants checked after every event it handles.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
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

// Half the key-downs come from `usedKeys` (a key listed twice comes twice as
// often), the rest are any code 0 to 255. Gaps between events: bursts at
// the same moment, quick runs, typing and pauses long enough for clips and
// menus to finish.
std::vector<StormEvent> MakeStorm(uint32_t seed, int count, const std::vector<int>& usedKeys,
                                  double closeChance);

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

// One run of a program, from its load until it ends or the storm is over;
// the host checks the invariants after every event (nested ones included).
template <class Form>
struct StormSession {
  StormSession(const std::filesystem::path& folder,
               const std::function<std::string(const Form&, const StormHost&)>& check)
      : form(host, sound, folder) {
    host.afterEvent = [this, check] {
      std::string broken = check(form, host);
      if (!broken.empty()) throw InvariantBroken{std::move(broken)};
    };
  }
  fake::VirtualClock clock;
  fake::FakeSound sound{clock};
  StormHost host{clock, sound};
  Form form;
};

// Schedules events[first..] on the host, shifted to start at 50 ms.
void ScheduleFrom(fake::FakeHost& host, const std::vector<StormEvent>& events, size_t first);

// Plays the whole storm into fresh sessions of the program on one folder,
// each starting where the last one ended. `afterRun` sees each session and
// its end status. Fails the test, with the event's index, when an invariant
// breaks or the program ends with a failure.
template <class Form>
int RunStorm(const std::filesystem::path& folder, const std::vector<StormEvent>& storm,
             const std::function<std::string(const Form&, const StormHost&)>& check,
             const std::function<void(StormSession<Form>&)>& prepare,
             const std::function<void(StormSession<Form>&)>& afterRun) {
  size_t next = 0;
  int sessions = 0;
  while (next < storm.size()) {
    StormSession<Form> session(folder, check);
    if (prepare) prepare(session);
    ScheduleFrom(session.host, storm, next);
    std::optional<int> status;
    std::string failure;
    try {
      status = session.host.Run(session.form);
    } catch (const InvariantBroken& broken) {
      failure = broken.what;
    } catch (const fake::ScriptError& error) {
      failure = error.what();
    }
    const size_t delivered = storm.size() - next - session.host.PendingEvents();
    next += delivered;
    if (failure.empty() && status && *status != 0) failure = "ended with a failure";
    if (!failure.empty()) {
      ADD_FAILURE() << failure << ", after storm event " << next;
      return sessions;
    }
    if (delivered == 0) {
      ADD_FAILURE() << "a session took no event";
      return sessions;
    }
    ++sessions;
    if (afterRun) afterRun(session);
  }
  return sessions;
}

// Every clip of the game, at lengths near the real ones.
void WriteGameClips(fake::ScenarioFolder& folder);
// Every clip of the editor.
void WriteEditorClips(fake::ScenarioFolder& folder);

}  // namespace robustness
