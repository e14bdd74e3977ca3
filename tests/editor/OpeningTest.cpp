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

std::vector<std::string> MazeFilesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".maz") names.push_back(entry.path().filename().string());
  }
  return names;
}

// The window shows as "Loomsel", then the prompt is asked again silently
// until the entry is a whole number from one; the cursor starts at (1, 1).
TEST(Opening, ShowsTheWindowThenAsksUntilTheEntryIsAWholeNumberFromOne) {
  EditorScenario s;
  const std::vector<std::string> rejected = {"0",   "-4", "0.7", "abc",  "",   "32768",
                                             "1e3", "3.", ".5",  "0x10", "1,5"};
  for (const std::string& entry : rejected) s.EnterNumber(entry);
  s.Cancel();
  s.EnterNumber(" 12 ");
  s.Run();
  EXPECT_TRUE(s.host.shown);
  EXPECT_EQ(s.AllShown(), std::vector<std::string>(rejected.size() + 2, kPrompt));
  EXPECT_EQ(s.form.MazeNumberText(), "12");
  EXPECT_THAT(s.Captions(s.Load()), ElementsAre("Loomsel", "Location: 1, 1 - Loomsel"));
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{1, 1}));
  // No greeting, and an open cell at (1, 1) says nothing.
  EXPECT_THAT(s.Heard(s.Load()), IsEmpty());
  // The step sound is loaded once, at start-up.
  ASSERT_FALSE(s.sound.ops.empty());
  EXPECT_EQ(s.sound.ops.front().op, "create");
  EXPECT_EQ(s.sound.ops.front().name, "step.wav");
  EXPECT_EQ(s.sound.ops.front().slot, sound::ClipSlot::Step);
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
    s.Keys("S>W!");
    s.Yes();
    s.No();
    EXPECT_EQ(s.Run(), 0);
    EXPECT_THAT(MazeFilesIn(s.folder.Path()), testing::UnorderedElementsAre("7.maz", file));
    // 7.maz existed, but none of these names it: no message came.
    EXPECT_THAT(s.AllShown(), ElementsAre(kPrompt, "Save changes to maze?", "Edit another maze?"));
  }
}

// A number without a file starts an open maze with no start or goal; an
// existing file is announced, then opened as it stands.
TEST(Opening, ANewOrAnExistingMaze) {
  const maze::MazeRecord drawn = fake::DrawMaze({"#S  a", "  A G"});
  for (bool existing : {false, true}) {
    SCOPED_TRACE(existing);
    EditorScenario s;
    s.folder.WriteMaze(existing ? "4" : "7", drawn);
    s.EnterNumber(existing ? "4" : "007");
    if (existing) s.Ok();
    s.Run();
    const maze::MazeRecord opened = existing ? drawn : maze::NewMazeRecord();
    EXPECT_TRUE(s.form.Maze().grid == opened.grid);
    EXPECT_EQ(s.form.Maze().start, opened.start);
    EXPECT_EQ(s.form.Maze().goal, opened.goal);
    std::vector<std::string> shown = {kPrompt};
    if (existing) shown.push_back(kExists);
    EXPECT_EQ(s.AllShown(), shown);
    // A wall at (1, 1) is heard.
    EXPECT_EQ(s.HeardEach({s.Load()}), std::vector<std::string>{existing ? "wall.wav 0" : ""});
  }
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
    s.Open(OpenMaze(c.start, c.goal));
    s.Keys("SW", kCtrl);
    s.Run();
    EXPECT_EQ(s.form.Maze().start, c.openedStart);
    EXPECT_EQ(s.form.Maze().goal, c.openedGoal);
    // Whatever jumps were possible, the cursor stayed on the grid.
    EXPECT_TRUE(maze::OnGrid(s.form.EditCursor().x, s.form.EditCursor().y));
  }
}

// A start or goal at (1, 1) is heard and waited for, with keys handled meanwhile.
TEST(Opening, AStartOrGoalAtOneOneIsHeardAndWaitedFor) {
  for (bool start : {true, false}) {
    SCOPED_TRACE(start);
    EditorScenario s;
    s.Open(start ? OpenMaze({1, 1}, {9, 9}) : OpenMaze({5, 5}, {1, 1}));
    s.PressAt(50, vk::kRight);  // while the clip plays
    s.Run();
    std::vector<std::string> heard;
    for (const fake::HeardClip& clip : s.sound.Heard()) {
      heard.push_back(clip.name + " at " + std::to_string(clip.time));
    }
    EXPECT_THAT(heard, ElementsAre(start ? "start.wav at 0" : "win.wav at 0", "step.wav at 50"));
    // The load waited for the clip's end, and the key ran inside that wait.
    EXPECT_EQ(s.loadReturnedAt, EditorScenario::kClipMs);
    EXPECT_THAT(s.keyDepths, ElementsAre(1));
    EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{2, 1}));
  }
}

// Every clip the editor plays must be in the folder, and a sound device there.
TEST(Opening, AMissingClipOrNoSoundDeviceIsSaidAndEndsTheEditor) {
  for (const char* clip :
       {"step.wav", "start.wav", "win.wav", "wall.wav", "door.wav", "key.wav", "delete.wav", ""}) {
    SCOPED_TRACE(clip);
    EditorScenario s;
    if (*clip != 0) std::filesystem::remove(s.folder.Path() / clip);
    if (*clip == 0) s.sound.openFailure = "no audio output";
    s.Ok();
    EXPECT_EQ(s.Run(), 1);
    EXPECT_THAT(s.AllShown(), ElementsAre(*clip != 0 ? sound::MissingClipsMessage({clip})
                                                     : "Please install directX8 or later"));
    if (*clip == 0) {
      EXPECT_FALSE(s.host.shown);
    }
  }
}

}  // namespace
}  // namespace editortest
