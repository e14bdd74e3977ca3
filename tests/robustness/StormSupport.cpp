#include "tests/robustness/StormSupport.h"

#include <cstdlib>
#include <limits>
#include <random>

#include "editor/EditorTexts.h"
#include "game/GameTexts.h"

namespace robustness {

std::vector<StormEvent> MakeStorm(uint32_t seed, int count, const StormMix& mix) {
  std::mt19937 random(seed);
  auto chance = [&random](double p) { return std::uniform_real_distribution<>(0, 1)(random) < p; };
  auto pick = [&random](int from, int to) {
    return std::uniform_int_distribution<>(from, to)(random);
  };
  std::vector<StormEvent> events;
  std::vector<int> held;
  int64_t at = 0;
  for (int i = 0; i < count; ++i) {
    const int gapKind = pick(0, 9);
    if (gapKind < 4) {
      // A burst: several events at the same moment.
    } else if (gapKind < 7) {
      at += pick(1, 20);
    } else if (gapKind < 9) {
      at += pick(20, 400);
    } else {
      at += pick(400, 2500);
    }
    StormEvent event;
    event.at = at;
    event.shift = chance(0.6) ? 0 : pick(1, 7);
    if (chance(mix.closeChance)) {
      event.kind = StormEvent::Close;
    } else if (chance(0.35)) {
      event.kind = StormEvent::KeyUp;
      // Mostly the release of a held key; sometimes one never pressed.
      if (!held.empty() && chance(0.7)) {
        const size_t which = static_cast<size_t>(pick(0, static_cast<int>(held.size()) - 1));
        event.key = held[which];
        held.erase(held.begin() + static_cast<std::ptrdiff_t>(which));
      } else {
        event.key = pick(0, 255);
      }
    } else {
      event.kind = StormEvent::KeyDown;
      event.key = chance(0.5) && !mix.usedKeys.empty()
                      ? mix.usedKeys[static_cast<size_t>(
                            pick(0, static_cast<int>(mix.usedKeys.size()) - 1))]
                      : pick(0, 255);
      held.push_back(event.key);
    }
    events.push_back(event);
  }
  return events;
}

uint32_t StormSeed(uint32_t fixed) {
  const char* text = std::getenv("TARNWICK_STORM_SEED");
  return text != nullptr ? static_cast<uint32_t>(std::strtoul(text, nullptr, 10)) : fixed;
}

StormHost::StormHost(fake::VirtualClock& clock, fake::FakeSound& sound) : FakeHost(clock, sound) {
  timeLimitMs = std::numeric_limits<int64_t>::max() / 4;
}

void StormHost::ShowMessage(const std::string& text, const std::string& title) {
  ++openDialogs;
  FakeHost::ShowMessage(text, title);
  --openDialogs;
}

bool StormHost::AskYesNo(const std::string& text, const std::string& title) {
  ++openDialogs;
  const bool yes = FakeHost::AskYesNo(text, title);
  --openDialogs;
  return yes;
}

std::string StormHost::AskText(const std::string& prompt, const std::string& title) {
  ++openDialogs;
  std::string text = FakeHost::AskText(prompt, title);
  --openDialogs;
  return text;
}

void CheckedProgram::Check() const {
  std::string broken = check_();
  if (!broken.empty()) throw InvariantBroken{std::move(broken)};
}

void CheckedProgram::Form_Load() {
  program_.Form_Load();
  loaded = true;
  Check();
}

void CheckedProgram::Form_KeyDown(int keyCode, int shift) {
  ++delivered;
  program_.Form_KeyDown(keyCode, shift);
  Check();
}

void CheckedProgram::Form_KeyUp(int keyCode, int shift) {
  ++delivered;
  program_.Form_KeyUp(keyCode, shift);
  Check();
}

void CheckedProgram::tmrScore_Timer() {
  program_.tmrScore_Timer();
  Check();
}

void CheckedProgram::Form_Unload(bool& cancel) {
  ++delivered;
  program_.Form_Unload(cancel);
  Check();
}

void ScheduleFrom(fake::FakeHost& host, const std::vector<StormEvent>& events, size_t first,
                  int64_t startAt) {
  if (first >= events.size()) return;
  const int64_t shift = startAt - events[first].at;
  for (size_t i = first; i < events.size(); ++i) {
    const StormEvent& e = events[i];
    switch (e.kind) {
      case StormEvent::KeyDown:
        host.KeyDown(e.at + shift, e.key, e.shift);
        break;
      case StormEvent::KeyUp:
        host.KeyUp(e.at + shift, e.key, e.shift);
        break;
      case StormEvent::Close:
        host.CloseRequest(e.at + shift);
        break;
    }
  }
}

void WriteGameClips(fake::ScenarioFolder& folder) {
  folder.WriteClips(game::GameClipNames(), 150);
  folder.WriteClip(game::kIntroClip, 1000);
  folder.WriteClip(game::kChooseMazeClip, 400);
  folder.WriteClip(game::kWinMazeClip, 1000);
  folder.WriteClip(game::kStepClip, 60);
  for (const char* cue : {game::kGoClip, game::kEdgeClip, game::kWallClip, game::kDoorClip,
                          game::kKeyClip, game::kOpenDoorClip, game::kNoOpenDoorClip}) {
    folder.WriteClip(cue, 100);
  }
}

void WriteEditorClips(fake::ScenarioFolder& folder) {
  folder.WriteClips({editor::kEditorClips.begin(), editor::kEditorClips.end()}, 200);
}

}  // namespace robustness
