#include "tests/robustness/StormSupport.h"

#include <cstdlib>
#include <limits>
#include <random>

#include "editor/EditorTexts.h"
#include "game/GameTexts.h"

namespace robustness {

std::vector<StormEvent> MakeStorm(uint32_t seed, int count, const std::vector<int>& usedKeys,
                                  double closeChance) {
  std::mt19937 random(seed);
  auto chance = [&random](double p) { return std::uniform_real_distribution<>(0, 1)(random) < p; };
  auto pick = [&random](int from, int to) {
    return std::uniform_int_distribution<>(from, to)(random);
  };
  // Upper ends of the gaps, from a burst (0) to a pause long enough for a clip.
  static const int kGaps[] = {0, 0, 0, 0, 20, 20, 20, 400, 400, 2500};
  std::vector<StormEvent> events;
  std::vector<int> held;
  int64_t at = 0;
  for (int i = 0; i < count; ++i) {
    at += pick(0, kGaps[pick(0, 9)]);
    StormEvent event{StormEvent::KeyDown, pick(0, 255), chance(0.6) ? 0 : pick(1, 7), at};
    if (chance(closeChance)) {
      event.kind = StormEvent::Close;
    } else if (chance(0.35)) {
      event.kind = StormEvent::KeyUp;
      // Mostly the release of a held key; sometimes one never pressed.
      if (!held.empty() && chance(0.7)) {
        const auto which = held.begin() + pick(0, static_cast<int>(held.size()) - 1);
        event.key = *which;
        held.erase(which);
      }
    } else {
      if (chance(0.5)) event.key = usedKeys[pick(0, static_cast<int>(usedKeys.size()) - 1)];
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

void ScheduleFrom(fake::FakeHost& host, const std::vector<StormEvent>& events, size_t first) {
  if (first >= events.size()) return;
  const int64_t shift = 50 - events[first].at;
  for (size_t i = first; i < events.size(); ++i) {
    const StormEvent& e = events[i];
    if (e.kind == StormEvent::KeyDown) host.KeyDown(e.at + shift, e.key, e.shift);
    if (e.kind == StormEvent::KeyUp) host.KeyUp(e.at + shift, e.key, e.shift);
    if (e.kind == StormEvent::Close) host.CloseRequest(e.at + shift);
  }
}

void WriteGameClips(fake::ScenarioFolder& folder) {
  folder.WriteClips(game::GameClipNames(), 100);
  folder.WriteClip(game::kIntroClip, 1000);
  folder.WriteClip(game::kChooseMazeClip, 400);
  folder.WriteClip(game::kWinMazeClip, 1000);
  folder.WriteClip(game::kStepClip, 60);
}

void WriteEditorClips(fake::ScenarioFolder& folder) {
  folder.WriteClips({editor::kEditorClips.begin(), editor::kEditorClips.end()}, 200);
}

}  // namespace robustness
