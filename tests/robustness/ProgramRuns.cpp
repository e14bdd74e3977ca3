#include "tests/robustness/ProgramRuns.h"

#include <algorithm>
#include <functional>
#include <type_traits>

#include "editor/frmMain.h"
#include "game/frmMain.h"

namespace robustness {
namespace {

namespace vk = platform::vk;

// The game's intro and the menu's opening clip, as WriteGameClips makes
// them, and a little more.
constexpr int64_t kMenuTakesKeysAt = 1000 + 400 + 100;

// Runs the program on the fakes with the given script.
template <class Form>
RunRecord Run(const fake::ScenarioFolder& folder,
              const std::function<void(fake::FakeHost&)>& script) {
  fake::VirtualClock clock;
  fake::FakeSound sound(clock);
  fake::FakeHost host(clock, sound);
  Form form(host, sound, folder.Path());
  script(host);
  RunRecord record;
  record.endStatus = host.Run(form);
  record.dialogs = host.dialogs;
  record.heard = sound.HeardNames();
  if constexpr (std::is_same_v<Form, editor::frmMain>)
    record.mazeNumberText = form.MazeNumberText();
  return record;
}

}  // namespace

RunRecord RunGameChoosing(const fake::ScenarioFolder& folder, int entry) {
  return Run<game::frmMain>(folder, [entry](fake::FakeHost& host) {
    int64_t at = kMenuTakesKeysAt;
    for (int i = 1; i < entry; ++i, at += 300) host.Press(at, vk::kDown);
    host.Press(at, vk::kEnter);
    host.answerer = [](fake::DialogKind kind, const std::string& text) -> fake::DialogAnswer {
      if (kind != fake::DialogKind::Message) throw fake::ScriptError("the game asked: " + text);
      return {kind, false, {}};
    };
  });
}

RunRecord RunEditorOpening(const fake::ScenarioFolder& folder,
                           const std::vector<std::string>& entries) {
  return Run<editor::frmMain>(folder, [&entries](fake::FakeHost& host) {
    host.answerer = [&entries, next = size_t{0}](
                        fake::DialogKind kind,
                        const std::string& text) mutable -> fake::DialogAnswer {
      if (kind == fake::DialogKind::Message) return {kind, false, {}};
      if (kind != fake::DialogKind::Text || next >= entries.size()) {
        throw fake::ScriptError("the editor asked: " + text);
      }
      return {kind, false, entries[next++]};
    };
  });
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
