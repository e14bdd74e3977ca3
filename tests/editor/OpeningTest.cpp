// Start-up and opening a maze: the number prompt, new and existing files,
// files that cannot be read, and what is heard at (1, 1).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "maze/MazeFile.h"
#include "sound/ClipCheck.h"
#include "tests/editor/EditorScenario.h"

namespace editortest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

constexpr char kPrompt[] = "Please enter the number of the maze you would like to edit or create";
constexpr char kExists[] = "That maze already exists. It will now be opened for editing.";

std::vector<std::string> MazeFilesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".maz") names.push_back(entry.path().filename().string());
  }
  return names;
}

TEST(Opening, ShowsTheWindowAsLoomselThenAsksAndPlacesTheCursorAtOneOne) {
  EditorScenario s;
  s.EnterNumber("1");
  s.Run();
  EXPECT_TRUE(s.host.shown);
  EXPECT_THAT(s.Captions(s.Load()), ElementsAre("Loomsel", "Location: 1, 1 - Loomsel"));
  EXPECT_THAT(s.AllShown(), ElementsAre(kPrompt));
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{1, 1}));
  // No greeting, and an open cell at (1, 1) says nothing.
  EXPECT_THAT(s.Heard(s.Load()), IsEmpty());
  // The step sound is loaded once, at start-up.
  ASSERT_FALSE(s.sound.ops.empty());
  EXPECT_EQ(s.sound.ops.front().op, "create");
  EXPECT_EQ(s.sound.ops.front().name, "step.wav");
  EXPECT_EQ(s.sound.ops.front().slot, sound::ClipSlot::Step);
}

TEST(Opening, AsksAgainSilentlyUntilTheEntryIsAWholeNumberFromOne) {
  EditorScenario s;
  const std::vector<std::string> rejected = {"0",   "-4", "0.7", "abc",  "",   "32768",
                                             "1e3", "3.", ".5",  "0x10", "1,5"};
  for (const std::string& entry : rejected) s.EnterNumber(entry);
  s.Cancel();
  s.EnterNumber(" 12 ");
  s.Run();
  EXPECT_EQ(s.AllShown(), std::vector<std::string>(rejected.size() + 2, kPrompt));
  EXPECT_EQ(s.form.MazeNumberText(), "12");
  EXPECT_EQ(s.host.LastCaption(), "Location: 1, 1 - Loomsel");
}

// The file is named by the entry as typed, without the blanks around it.
TEST(Opening, TheTrimmedEntryNamesTheMazeFile) {
  const std::pair<const char*, const char*> kEntries[] = {
      {" 12 ", "12.maz"}, {"007", "007.maz"}, {"3.9", "3.9.maz"}, {"+5", "+5.maz"}};
  for (const auto& [entry, file] : kEntries) {
    SCOPED_TRACE(entry);
    EditorScenario s;
    s.folder.WriteMaze("7", OpenMaze({1, 1}, {2, 2}));
    s.EnterNumber(entry);
    s.Press(kKeyS);
    s.Press(vk::kRight);
    s.Press(kKeyW);
    s.Press(vk::kEscape);
    s.Yes();
    s.No();
    EXPECT_EQ(s.Run(), 0);
    EXPECT_THAT(MazeFilesIn(s.folder.Path()), testing::UnorderedElementsAre("7.maz", file));
    // 7.maz existed, but none of these names it: no message came.
    EXPECT_THAT(s.AllShown(), ElementsAre(kPrompt, "Save changes to maze?", "Edit another maze?"));
  }
}

TEST(Opening, ANumberWithoutAFileStartsAnOpenMazeWithNoStartOrGoal) {
  EditorScenario s;
  s.folder.WriteMaze("7", fake::DrawMaze({"S G"}));
  s.EnterNumber("007");
  s.Run();
  EXPECT_THAT(s.AllShown(), ElementsAre(kPrompt));
  EXPECT_TRUE(s.form.Maze().grid == maze::NewMazeRecord().grid);
  EXPECT_FALSE(s.form.Maze().start.IsSet());
  EXPECT_FALSE(s.form.Maze().goal.IsSet());
  EXPECT_THAT(s.Heard(s.Load()), IsEmpty());
}

TEST(Opening, AnExistingFileIsAnnouncedThenOpenedAsItStands) {
  EditorScenario s;
  const maze::MazeRecord drawn = fake::DrawMaze({
      "#S  a",
      "  A G",
  });
  s.folder.WriteMaze("4", drawn);
  s.EnterNumber("4");
  s.Ok();
  s.Run();
  EXPECT_THAT(s.AllShown(), ElementsAre(kPrompt, kExists));
  EXPECT_TRUE(s.form.Maze().grid == drawn.grid);
  EXPECT_EQ(s.form.Maze().start, (maze::GridPosition{2, 1}));
  EXPECT_EQ(s.form.Maze().goal, (maze::GridPosition{5, 2}));
  // A wall at (1, 1).
  EXPECT_THAT(s.Heard(s.Load()), ElementsAre("wall.wav 0"));
}

TEST(Opening, TheFileIsReadOnlyAfterTheExistsMessageIsDismissed) {
  EditorScenario s;
  s.folder.WriteMaze("4", OpenMaze({1, 2}, {1, 3}));
  const maze::MazeRecord changed = fake::DrawMaze({" S G"});
  s.host.answerer = [&s, &changed](fake::DialogKind kind, const std::string& text) {
    if (kind == fake::DialogKind::Text) return fake::DialogAnswer{kind, false, "4"};
    // The file changes while the message is up; the editor must see the change.
    if (text == kExists) s.folder.WriteMaze("4", changed);
    return fake::DialogAnswer{kind, false, {}};
  };
  s.Run();
  EXPECT_THAT(s.AllShown(), ElementsAre(kPrompt, kExists));
  EXPECT_TRUE(s.form.Maze().grid == changed.grid);
  EXPECT_EQ(s.form.Maze().start, (maze::GridPosition{2, 1}));
}

TEST(Opening, AFileThatCannotBeReadIsNamedLeftAloneAndTheNumberAskedAgain) {
  const std::vector<std::string> rows(100, std::string(100, ' '));
  const std::vector<std::string> ninetyNine(99, std::string(100, ' '));
  std::string badNumber = MazeFileBytes(rows, 1, 1, 2, 2);
  badNumber.replace(badNumber.size() - 4 * 5, 3, "abc");  // start x becomes "abc"
  const std::pair<const char*, std::string> kFiles[] = {
      {"too few rows", MazeFileBytes(ninetyNine, 1, 1, 2, 2)},
      {"a bad number", badNumber},
      {"an empty file", ""},
  };
  for (const auto& [what, bytes] : kFiles) {
    SCOPED_TRACE(what);
    EditorScenario s;
    s.folder.WriteFile("4.maz", bytes);
    const std::string reason = maze::LoadMaze(s.folder.Path() / "4.maz").error.Describe();
    s.EnterNumber("4");
    s.Ok();  // exists
    s.Ok();  // cannot be read
    s.EnterNumber("5");
    s.Run();
    const std::vector<std::string> shown = s.AllShown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], kPrompt);
    EXPECT_EQ(shown[1], kExists);
    EXPECT_THAT(shown[2], StartsWith("The maze file 4.maz cannot be read: " + reason));
    EXPECT_EQ(shown[3], kPrompt);
    EXPECT_EQ(s.folder.ReadFile("4.maz"), bytes);
    EXPECT_EQ(s.form.MazeNumberText(), "5");
    EXPECT_FALSE(s.folder.Exists("5.maz"));
    EXPECT_EQ(s.host.LastCaption(), "Location: 1, 1 - Loomsel");
  }
}

TEST(Opening, AStartOrGoalOffTheGridOpensUnset) {
  struct Case {
    maze::GridPosition start, goal;
    maze::GridPosition openedStart, openedGoal;
  };
  const Case kCases[] = {
      {{101, 5}, {2, 2}, {0, 0}, {2, 2}},       {{3, 3}, {3, 0}, {3, 3}, {0, 0}},
      {{0, 7}, {100, 100}, {0, 0}, {100, 100}}, {{-1, 1}, {1, 101}, {0, 0}, {0, 0}},
      {{100, 1}, {1, 100}, {100, 1}, {1, 100}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "start " << c.start.x << "," << c.start.y << " goal "
                                    << c.goal.x << "," << c.goal.y);
    EditorScenario s;
    s.folder.WriteMaze("2", OpenMaze(c.start, c.goal));
    s.EnterNumber("2");
    s.Ok();
    s.Press(kKeyS, kCtrl);
    s.Press(kKeyW, kCtrl);
    s.Run();
    EXPECT_EQ(s.form.Maze().start, c.openedStart);
    EXPECT_EQ(s.form.Maze().goal, c.openedGoal);
    // Whatever jumps were possible, the cursor stayed on the grid.
    EXPECT_TRUE(maze::OnGrid(s.form.EditCursor().x, s.form.EditCursor().y));
  }
}

TEST(Opening, AStartAtOneOneIsHeardAndWaitedForWithKeysHandledMeanwhile) {
  EditorScenario s;
  s.folder.WriteMaze("4", OpenMaze({1, 1}, {9, 9}));
  s.EnterNumber("4");
  s.Ok();
  s.PressAt(50, vk::kRight);  // while "start.wav" plays
  s.Run();
  const std::vector<fake::HeardClip> heard = s.sound.Heard();
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[0].name, "start.wav");
  EXPECT_EQ(heard[0].time, 0);
  EXPECT_EQ(heard[1].name, "step.wav");
  EXPECT_EQ(heard[1].time, 50);
  // The load waited for the clip's end, and the key ran inside that wait.
  EXPECT_EQ(s.loadReturnedAt, EditorScenario::kClipMs);
  EXPECT_THAT(s.keyDepths, ElementsAre(1));
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{2, 1}));
}

TEST(Opening, AGoalAtOneOneIsHeardAsTheGoal) {
  EditorScenario s;
  s.folder.WriteMaze("4", OpenMaze({5, 5}, {1, 1}));
  s.EnterNumber("4");
  s.Ok();
  s.Run();
  EXPECT_THAT(s.Heard(s.Load()), ElementsAre("win.wav 0"));
  EXPECT_EQ(s.loadReturnedAt, EditorScenario::kClipMs);
}

TEST(Opening, EveryClipTheEditorPlaysMustBeInTheFolder) {
  for (const char* clip :
       {"step.wav", "start.wav", "win.wav", "wall.wav", "door.wav", "key.wav", "delete.wav"}) {
    SCOPED_TRACE(clip);
    EditorScenario s;
    std::filesystem::remove(s.folder.Path() / clip);
    s.Ok();
    EXPECT_EQ(s.Run(), 1);
    EXPECT_THAT(s.AllShown(), ElementsAre(sound::MissingClipsMessage({clip})));
  }
}

TEST(Opening, WithoutASoundDeviceTheEditorSaysSoAndEnds) {
  EditorScenario s;
  s.sound.openFailure = "no audio output";
  s.Ok();
  EXPECT_EQ(s.Run(), 1);
  EXPECT_THAT(s.AllShown(), ElementsAre("Please install directX8 or later"));
  EXPECT_FALSE(s.host.shown);
}

}  // namespace
}  // namespace editortest
