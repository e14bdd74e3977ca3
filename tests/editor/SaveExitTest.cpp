// Leaving a maze: the checks for start and goal, saving, another maze, the
// end of the program, close requests, and a save that fails.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "maze/MazeFile.h"
#include "maze/MazeSearch.h"
#include "tests/editor/EditorScenario.h"

namespace editortest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

constexpr char kPrompt[] = "Please enter the number of the maze you would like to edit or create";
constexpr char kNoStart[] =
    "You did not set a starting position. Please move to the correct location, and press the s "
    "key to set it.";
constexpr char kNoGoal[] =
    "You did not set a winning position. Please move to the correct location, and press the w "
    "key to set it.";
constexpr char kSave[] = "Save changes to maze?";
constexpr char kAnother[] = "Edit another maze?";

// Builds a small maze by keys: a wall, door 4, key 4 along row 1, the start
// below the key and the goal to its right.
void BuildSmallMaze(EditorScenario& s) {
  s.Press(vk::kSpace);
  s.Press(vk::kRight);
  s.Press(kKeyD);
  s.EnterNumber("4");
  s.Press(vk::kRight);
  s.Press(kKeyK);
  s.EnterNumber("4");
  s.Press(vk::kDown);
  s.Press(kKeyS);
  s.Press(vk::kRight);
  s.Press(kKeyW);
}

// The file of that maze, byte by byte.
std::string SmallMazeBytes() {
  std::vector<std::string> rows(100, std::string(100, ' '));
  rows[0][0] = '#';
  rows[0][1] = static_cast<char>(203);  // door 4
  rows[0][2] = static_cast<char>(223);  // key 4
  return MazeFileBytes(rows, 3, 2, 4, 2);
}

TEST(SaveAndExit, EscAsksForTheStartFirstThenTheGoal) {
  EditorScenario s;
  s.EnterNumber("1");
  const Moment noStart = s.Press(vk::kEscape);
  s.Ok();
  s.Press(kKeyS);
  const Moment noGoal = s.Press(vk::kEscape);
  s.Ok();
  s.Press(kKeyC);
  s.Yes();
  const Moment clearedStart = s.Press(vk::kEscape);
  s.Ok();
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Shown(noStart), ElementsAre(kNoStart));
  EXPECT_THAT(s.Shown(noGoal), ElementsAre(kNoGoal));
  EXPECT_THAT(s.Shown(clearedStart), ElementsAre(kNoStart));
  // Editing goes on as it was.
  for (const Moment& m : {noStart, noGoal, clearedStart}) EXPECT_THAT(s.Captions(m), IsEmpty());
  EXPECT_EQ(s.host.LastCaption(), "Location: 1, 1 - Loomsel");
}

TEST(SaveAndExit, YesWritesTheExactBytesUnderTheNumberAsTyped) {
  EditorScenario s;
  s.EnterNumber("  007 ");
  BuildSmallMaze(s);
  const Moment esc = s.Press(vk::kEscape);
  s.Yes();
  s.No();
  EXPECT_EQ(s.Run(), 0);
  EXPECT_THAT(s.Shown(esc), ElementsAre(kSave, kAnother));
  EXPECT_THAT(s.Captions(esc), ElementsAre("Loomsel"));
  EXPECT_EQ(s.folder.ReadFile("007.maz"), SmallMazeBytes());
  EXPECT_FALSE(s.folder.Exists("7.maz"));
}

TEST(SaveAndExit, SavingReplacesAnExistingFileWhole) {
  EditorScenario s;
  s.folder.WriteMaze("2", fake::DrawMaze({"####", "####", "S  G"}));
  s.EnterNumber("2");
  s.Ok();
  s.Press(kKeyC);
  s.Yes();
  BuildSmallMaze(s);
  s.Press(vk::kEscape);
  s.Yes();
  s.No();
  EXPECT_EQ(s.Run(), 0);
  EXPECT_EQ(s.folder.ReadFile("2.maz"), SmallMazeBytes());
}

TEST(SaveAndExit, NoLeavesTheDiskAsItWas) {
  struct Case {
    const char* what;
    bool existing;
  };
  for (const Case& c : {Case{"an existing maze", true}, Case{"a new maze", false}}) {
    SCOPED_TRACE(c.what);
    EditorScenario s;
    const maze::MazeRecord before = fake::DrawMaze({"S G"});
    if (c.existing) s.folder.WriteMaze("5", before);
    const std::string bytesBefore = c.existing ? s.folder.ReadFile("5.maz") : "";
    s.EnterNumber("5");
    if (c.existing) s.Ok();
    s.Press(kKeyF);
    s.PressTimes(3, vk::kDown);
    s.Press(kKeyS);
    s.Press(kKeyW);
    s.Press(vk::kEscape);
    s.No();
    s.No();
    EXPECT_EQ(s.Run(), 0);
    EXPECT_EQ(s.folder.Exists("5.maz"), c.existing);
    if (c.existing) {
      EXPECT_EQ(s.folder.ReadFile("5.maz"), bytesBefore);
    }
    EXPECT_EQ(s.sound.closed, true);
  }
}

TEST(SaveAndExit, AnotherMazeDiscardsTheOneLeftAndSaysLoomselUntilItOpens) {
  EditorScenario s;
  s.EnterNumber("3");
  BuildSmallMaze(s);
  const Moment esc = s.Press(vk::kEscape);
  s.No();
  s.Yes();
  s.EnterNumber("4");
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Shown(esc), ElementsAre(kSave, kAnother, kPrompt));
  EXPECT_THAT(s.Captions(esc), ElementsAre("Loomsel", "Location: 1, 1 - Loomsel"));
  // The caption read "Loomsel" through both questions and the prompt.
  EXPECT_THAT(s.host.captionDuringDialog,
              ElementsAre("Loomsel", "Location: 2, 1 - Loomsel", "Location: 3, 1 - Loomsel",
                          "Loomsel", "Loomsel", "Loomsel"));
  EXPECT_EQ(s.form.MazeNumberText(), "4");
  EXPECT_TRUE(s.form.Maze().grid == maze::NewMazeRecord().grid);
  EXPECT_FALSE(s.form.Maze().start.IsSet());
  EXPECT_FALSE(s.form.Maze().goal.IsSet());
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{1, 1}));
  EXPECT_FALSE(s.folder.Exists("3.maz"));
}

TEST(SaveAndExit, ACloseRequestRunsTheSameFlowAndIsAlwaysCancelled) {
  EditorScenario s;
  s.folder.WriteMaze("9", OpenMaze({2, 2}, {3, 3}));
  s.EnterNumber("1");
  const Moment noStart = s.CloseRequest();
  s.Ok();
  s.Press(kKeyS);
  const Moment noGoal = s.CloseRequest();
  s.Ok();
  s.Press(vk::kRight);
  s.Press(kKeyW);
  const Moment another = s.CloseRequest();
  s.No();
  s.Yes();
  s.EnterNumber("9");
  s.Ok();
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.host.closeCancelled, ElementsAre(true, true, true));
  EXPECT_THAT(s.Shown(noStart), ElementsAre(kNoStart));
  EXPECT_THAT(s.Shown(noGoal), ElementsAre(kNoGoal));
  EXPECT_THAT(s.Shown(another), ElementsAre(kSave, kAnother, kPrompt,
                                            "That maze already exists. It will now be opened for "
                                            "editing."));
  EXPECT_EQ(s.form.MazeNumberText(), "9");
  EXPECT_FALSE(s.folder.Exists("1.maz"));
}

TEST(SaveAndExit, ACloseRequestAnsweredSaveAndNoEndsTheProgramAfterSaving) {
  EditorScenario s;
  s.EnterNumber("6");
  BuildSmallMaze(s);
  s.CloseRequest();
  s.Yes();
  s.No();
  EXPECT_EQ(s.Run(), 0);
  EXPECT_THAT(s.host.closeCancelled, IsEmpty());  // ended inside the request
  EXPECT_EQ(s.folder.ReadFile("6.maz"), SmallMazeBytes());
}

// A save that fails says why and goes back to the same maze; once the way
// is clear, saving again works and nothing was lost.
TEST(SaveAndExit, AFailedSaveKeepsEditingTheSameMaze) {
  struct Case {
    const char* what;
    const char* blocker;  // a folder standing where the save must write
  };
  for (const Case& c :
       {Case{"the temporary file", ".4.maz.saving"}, Case{"the maze file", "4.maz"}}) {
    SCOPED_TRACE(c.what);
    EditorScenario s;
    const std::filesystem::path blocker = s.folder.Path() / c.blocker;
    std::filesystem::create_directory(blocker);
    s.host.afterEvent = [&s, &blocker] {
      for (const std::string& shown : s.AllShown()) {
        if (shown.starts_with("The maze could not be saved")) std::filesystem::remove_all(blocker);
      }
    };
    s.EnterNumber("4");
    BuildSmallMaze(s);
    const Moment failed = s.Press(vk::kEscape);
    s.Yes();
    s.Ok();
    const Moment retried = s.Press(vk::kEscape);
    s.Yes();
    s.No();
    EXPECT_EQ(s.Run(), 0);
    const std::vector<std::string> shown = s.Shown(failed);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], kSave);
    EXPECT_THAT(shown[1], StartsWith("The maze could not be saved to 4.maz: "));
    // Back to editing: the location shows again, and no other maze was offered.
    EXPECT_THAT(s.Captions(failed), ElementsAre("Loomsel", "Location: 4, 2 - Loomsel"));
    EXPECT_THAT(s.Shown(retried), ElementsAre(kSave, kAnother));
    EXPECT_EQ(s.folder.ReadFile("4.maz"), SmallMazeBytes());
  }
}

TEST(SaveAndExit, ACloseRequestDuringAWaitedClipRunsTheFlowInsideTheWait) {
  EditorScenario s;
  s.folder.WriteMaze("2", OpenMaze({3, 1}, {4, 1}));
  s.EnterNumber("2");
  s.Ok();
  const Moment jump = s.Press(kKeyS, kCtrl);  // "start.wav", waited for
  s.host.CloseRequest(jump.from + 50);
  s.No();
  s.Yes();
  s.EnterNumber("8");
  s.Press(vk::kRight);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.host.closeCancelled, ElementsAre(true));
  EXPECT_THAT(s.Shown(jump), ElementsAre(kSave, kAnother, kPrompt));
  // The other maze opened inside the jump's wait; the next key works on it.
  EXPECT_EQ(s.form.MazeNumberText(), "8");
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{2, 1}));
  EXPECT_THAT(s.closeDepths, ElementsAre(1));
  EXPECT_THAT(s.keyDepths, ElementsAre(0, 0));
}

// What the author builds is what the game gets: the saved file loads, and
// the key behind the start opens the door in the wall row before the goal.
TEST(SaveAndExit, AMazeBuiltByKeysLoadsAndCanBeWon) {
  EditorScenario s;
  s.EnterNumber("1");
  s.Press(vk::kDown);
  s.Press(kKeyF);  // row 2 becomes wall
  s.PressTimes(4, vk::kRight);
  s.Press(kKeyD);  // door 7 at (5, 2)
  s.EnterNumber("7");
  s.Press(vk::kUp);
  s.PressTimes(2, vk::kLeft);
  s.Press(kKeyK);  // key 7 at (3, 1)
  s.EnterNumber("7");
  s.PressTimes(2, vk::kLeft);
  s.Press(kKeyS);
  s.PressTimes(4, vk::kRight);
  s.PressTimes(2, vk::kDown);
  s.Press(kKeyW);  // goal (5, 3)
  s.Press(vk::kEscape);
  s.Yes();
  s.No();
  EXPECT_EQ(s.Run(), 0);
  const maze::LoadResult loaded = maze::LoadMaze(s.folder.Path() / "1.maz");
  ASSERT_TRUE(loaded.ok()) << loaded.error.Describe();
  EXPECT_EQ(loaded.maze->start, (maze::GridPosition{1, 1}));
  EXPECT_EQ(loaded.maze->goal, (maze::GridPosition{5, 3}));
  const maze::FloodResult flood = maze::FloodMaze(*loaded.maze);
  EXPECT_TRUE(flood.winnable);
  EXPECT_THAT(flood.keyOrder, ElementsAre(maze::KeyPickup{7, {3, 1}}));
}

}  // namespace
}  // namespace editortest
