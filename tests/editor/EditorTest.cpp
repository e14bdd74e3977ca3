// The editor as an author meets it, on the fakes: the key table, opening a
// maze by number, and leaving it with or without a save.

#include <gtest/gtest.h>

#include "editor/EditorTexts.h"
#include "editor/frmMain.h"
#include "tests/support/Story.h"

namespace {

using editor::LocationCaption;
using Texts = std::vector<std::string>;

struct Editor : fake::Story<editor::frmMain> {
  explicit Editor(const std::vector<std::string>& maze = {}) : Story(editor::kEditorClips, 600) {
    if (!maze.empty()) Maze(1, maze);
    host.answers.push_back("1");
  }
  char Cell() const {
    return static_cast<char>(
        maze::CellAt(form.Maze().grid, form.EditCursor().x, form.EditCursor().y));
  }
};

struct KeyCase {
  std::vector<std::string> maze;  // maze 1 as drawn; none for a new maze
  const char* keys;
  Texts answers;
  std::string heard;
  std::string caption;
  Texts shown;
  char cell;  // under the cursor at the end
  int beeps = 0;
};

TEST(EditorKeys, EachKeyDoesWhatItsRowSays) {
  // The caption the author's screen reader reads: column, then row.
  EXPECT_EQ(LocationCaption(12, 7), "Location: 12, 7 - Loomsel");
  const std::string doorPrompt = editor::kDoorNumberPrompt;
  // Up and down keep the new clip's centre pan.
  std::string ninetyNineSteps = "step";
  for (int row = 2; row < 100; ++row) ninetyNineSteps += ", step";
  const KeyCase cases[] = {
      {{}, "Right", {}, "step -960", LocationCaption(2, 1), {}, ' '},
      {{}, "Right Down", {}, "step -960, step -960", LocationCaption(2, 2), {}, ' '},
      {{}, "Left Up", {}, "", LocationCaption(1, 1), {}, ' ', 2},
      {{}, "Down*100", {}, ninetyNineSteps, LocationCaption(1, 100), {}, ' ', 1},
      {{}, "F", {}, "wall -10000, wall, wall 10000", LocationCaption(1, 1), {}, '#'},
      {{}, "Space Delete", {}, "wall, delete", LocationCaption(1, 1), {}, ' '},
      {{},
       "D",
       {"21", "0", "abc", "5"},
       "door",
       LocationCaption(1, 1),
       {doorPrompt, doorPrompt, doorPrompt, doorPrompt},
       static_cast<char>(maze::DoorCell(5))},
      {{},
       "K I",
       {"7"},
       "key",
       LocationCaption(1, 1),
       {editor::kKeyNumberPrompt, editor::KeyInfoMessage(7)},
       static_cast<char>(maze::KeyCell(7))},
      {{"#S G"}, "S ctrl+S", {}, "start", LocationCaption(2, 1), {}, ' '},
      // S and W on a door or a key are refused without a sound.
      {{},
       "D S W",
       {"5"},
       "door",
       LocationCaption(1, 1),
       {doorPrompt},
       static_cast<char>(maze::DoorCell(5))},
      {{},
       "K S W",
       {"7"},
       "key",
       LocationCaption(1, 1),
       {editor::kKeyNumberPrompt},
       static_cast<char>(maze::KeyCell(7))},
      {{}, "Space C", {"n"}, "wall", LocationCaption(1, 1), {editor::kClearQuestion}, '#'},
      {{}, "Space C", {"y"}, "wall", LocationCaption(1, 1), {editor::kClearQuestion}, ' '},
  };
  for (const KeyCase& c : cases) {
    Editor s(c.maze);
    for (const std::string& answer : c.answers) s.host.answers.push_back(answer);
    const size_t dialogsBefore = c.maze.empty() ? 1 : 2;  // the prompt, "already exists"
    const int64_t keys = s.Keys(c.keys);
    EXPECT_EQ(s.Run(), std::nullopt) << c.keys;
    EXPECT_EQ(s.HeardSince(keys), c.heard) << c.keys;
    EXPECT_EQ(s.host.captions.back(), c.caption) << c.keys;
    EXPECT_EQ(s.ShownSince(dialogsBefore), c.shown) << c.keys;
    EXPECT_EQ(s.Cell(), c.cell) << c.keys;
    EXPECT_EQ(s.host.beeps.size(), static_cast<size_t>(c.beeps)) << c.keys;
  }
}

struct OpenCase {
  Texts answers;
  Texts shown;
  const char* fixture;  // maze 3, when there is one
};

TEST(EditorOpening, AsksUntilANumberOpensAMaze) {
  const std::string prompt = editor::kMazeNumberPrompt;
  const std::string unreadable = editor::UnreadableMazeMessage(
      "3.maz", maze::LoadMaze(fake::Fixture("truncated.maz")).error.Describe());
  const OpenCase cases[] = {
      {{" 3 "}, {prompt, editor::kMazeExistsMessage}, "off-grid-start.maz"},
      {{"0", "3.", "abc", "2"}, {prompt, prompt, prompt, prompt}, nullptr},
      {{"3", "2"}, {prompt, editor::kMazeExistsMessage, unreadable, prompt}, "truncated.maz"},
  };
  for (const OpenCase& c : cases) {
    Editor s;
    s.host.answers = {c.answers.begin(), c.answers.end()};
    if (c.fixture) std::filesystem::copy_file(fake::Fixture(c.fixture), s.folder / "3.maz");
    EXPECT_EQ(s.Run(), std::nullopt) << c.answers[0];
    EXPECT_EQ(s.ShownSince(), c.shown) << c.answers[0];
    if (c.fixture) {
      EXPECT_EQ(fake::ReadFile(s.folder / "3.maz"), fake::ReadFile(fake::Fixture(c.fixture)));
    }
  }
}

TEST(EditorLeaving, RefusesWithoutAStartOrAGoal) {
  Editor noStart;
  noStart.Keys("Esc");
  noStart.Run();
  EXPECT_EQ(noStart.ShownSince(1), Texts{editor::kNoStartMessage});
  Editor noGoal;
  noGoal.Keys("S Right Esc");
  noGoal.Run();
  EXPECT_EQ(noGoal.ShownSince(1), Texts{editor::kNoGoalMessage});
  // A start read from the file off the grid counts as not set.
  Editor offGrid;
  maze::MazeRecord far = fake::DrawMaze({"S G"});
  far.start = {150, 5};
  offGrid.Save(1, far);
  offGrid.Close();
  EXPECT_EQ(offGrid.Run(), std::nullopt);
  EXPECT_EQ(offGrid.ShownSince(2), Texts{editor::kNoStartMessage});
}

TEST(EditorLeaving, SavesTheMazeBuiltThenEnds) {
  Editor s;
  s.host.answers.insert(s.host.answers.end(), {"y", "n"});
  s.Keys("S Right W Right Space Esc");
  EXPECT_EQ(s.Run(), 0);
  maze::MazeRecord expected = fake::DrawMaze({"   "});
  for (std::string& row : expected.grid) row.assign(100, ' ');
  expected.grid[0][2] = '#';
  expected.start = {1, 1};
  expected.goal = {2, 1};
  EXPECT_EQ(fake::ReadFile(s.folder / "1.maz"), maze::FormatMaze(expected));
  EXPECT_EQ(s.ShownSince(1), (Texts{editor::kSaveQuestion, editor::kAnotherMazeQuestion}));
  EXPECT_EQ(s.host.dialogs.at(1).caption, editor::kProgramName);
}

// The maze the browser story builds, saved byte for byte as that page saves it.
TEST(EditorLeaving, SavesTheBytesTheWebPageSaves) {
  Editor s;
  s.host.answers.insert(s.host.answers.end(), {"1", "1", "y", "n"});
  s.Keys("S Right K Down Space Up Right D Right W Esc");
  EXPECT_EQ(s.Run(), 0);
  EXPECT_EQ(fake::ReadFile(s.folder / "1.maz"), fake::ReadFile(fake::Fixture("web-story.maz")));
}

TEST(EditorLeaving, AFailedSaveKeepsTheMazeOpenForAnotherTry) {
  Editor s;
  std::filesystem::create_directory(s.folder / ".1.maz.saving");
  s.host.answers.insert(s.host.answers.end(), {"y", "n", "n"});
  s.Keys("S Right W Esc");
  s.Close();
  EXPECT_EQ(s.Run(), 0);
  const std::string reason = maze::SaveMaze(s.folder / "1.maz", s.form.Maze()).reason;
  EXPECT_EQ(s.ShownSince(1),
            (Texts{editor::kSaveQuestion, editor::SaveFailedMessage("1.maz", reason),
                   editor::kSaveQuestion, editor::kAnotherMazeQuestion}));
  EXPECT_FALSE(std::filesystem::exists(s.folder / "1.maz"));
}

// What a web page asks about before it is left.
TEST(EditorLeaving, WorkIsUnsavedUntilSavedOrLetGo) {
  struct UnsavedCase {
    const char* keys;
    Texts answers;  // after the maze number
    bool unsaved;
  };
  const UnsavedCase cases[] = {
      {"", {}, false},
      {"S Right W", {}, true},
      {"S Right W Esc", {"y", "n"}, false},
      {"S Right W Esc", {"n", "n"}, false},
      {"S Right W Esc", {"y", "y", "2"}, false},
      {"S Right W Esc Right Space", {"y", "y", "1"}, true},
  };
  for (const UnsavedCase& c : cases) {
    SCOPED_TRACE(c.keys);
    Editor s;
    s.host.answers.insert(s.host.answers.end(), c.answers.begin(), c.answers.end());
    s.Keys(c.keys);
    s.Run();
    EXPECT_EQ(s.form.HasUnsavedWork(), c.unsaved);
  }
}

}  // namespace
