#include "tests/robustness/ProgramRuns.h"

#include <algorithm>

#include "editor/frmMain.h"
#include "game/frmMain.h"

namespace robustness {
namespace {

namespace vk = platform::vk;

// The game's intro and the menu's opening clip, as WriteGameClips makes
// them, and a little more.
constexpr int64_t kMenuTakesKeysAt = 1000 + 400 + 100;

}  // namespace

RunRecord RunGameChoosing(const fake::ScenarioFolder& folder, int entry) {
  fake::VirtualClock clock;
  fake::FakeSound sound(clock);
  fake::FakeHost host(clock, sound);
  game::frmMain form(host, sound, folder.Path());
  int64_t at = kMenuTakesKeysAt;
  for (int i = 1; i < entry; ++i, at += 300) host.Press(at, vk::kDown);
  host.Press(at, vk::kEnter);
  host.answerer = [](fake::DialogKind kind, const std::string& text) -> fake::DialogAnswer {
    if (kind != fake::DialogKind::Message) throw fake::ScriptError("the game asked: " + text);
    return {kind, false, {}};
  };
  RunRecord record;
  record.endStatus = host.Run(form);
  record.dialogs = host.dialogs;
  record.heard = sound.HeardNames();
  return record;
}

RunRecord RunEditorOpening(const fake::ScenarioFolder& folder,
                           const std::vector<std::string>& entries) {
  fake::VirtualClock clock;
  fake::FakeSound sound(clock);
  fake::FakeHost host(clock, sound);
  editor::frmMain form(host, sound, folder.Path());
  size_t next = 0;
  host.answerer = [&](fake::DialogKind kind, const std::string& text) -> fake::DialogAnswer {
    if (kind == fake::DialogKind::Message) return {kind, false, {}};
    if (kind != fake::DialogKind::Text || next >= entries.size()) {
      throw fake::ScriptError("the editor asked: " + text);
    }
    return {kind, false, entries[next++]};
  };
  RunRecord record;
  record.endStatus = host.Run(form);
  record.dialogs = host.dialogs;
  record.heard = sound.HeardNames();
  record.mazeNumberText = form.MazeNumberText();
  return record;
}

std::vector<std::string> FolderNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace robustness
