#pragma once
// One short run of each program on the fakes, for the tests that feed them
// bad folders: the game choosing a maze from its menu, the editor opening a
// maze by number.

#include <optional>
#include <string>
#include <vector>

#include "tests/support/FakeHost.h"
#include "tests/support/FakeSound.h"
#include "tests/support/ScenarioFolder.h"

namespace robustness {

struct RunRecord {
  std::optional<int> endStatus;
  std::vector<fake::ShownDialog> dialogs;
  std::vector<std::string> heard;
  // The editor only: the number its prompt took last.
  std::string mazeNumberText;
};

// The game: waits out the intro and the menu's opening clip, then chooses
// menu entry `entry`. Message boxes are answered OK; any other dialog fails.
RunRecord RunGameChoosing(const fake::ScenarioFolder& folder, int entry);

// The editor: answers the maze prompt with each entry in turn, every
// message with OK, and runs until all is quiet or it ends.
RunRecord RunEditorOpening(const fake::ScenarioFolder& folder,
                           const std::vector<std::string>& entries);

// The names in a folder, sorted.
std::vector<std::string> FolderNames(const std::filesystem::path& folder);

}  // namespace robustness
