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
  s.Keys(" >D>KvS>W");
  s.EnterNumber("4");  // the door
  s.EnterNumber("4");  // the key
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
  s.Ok();
  s.Ok();
  s.Yes();  // clear
  s.Ok();
  const std::vector<Moment> keys = s.Keys("!S!C!");
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Shown(keys[0]), ElementsAre(kNoStart));
  EXPECT_THAT(s.Shown(keys[2]), ElementsAre(kNoGoal));
  EXPECT_THAT(s.Shown(keys[4]), ElementsAre(kNoStart));  // the start went with the clear
  // Editing goes on as it was.
  for (int i : {0, 2, 4}) EXPECT_THAT(s.Captions(keys[i]), IsEmpty());
  EXPECT_EQ(s.host.LastCaption(), "Location: 1, 1 - Loomsel");
}

// Leaving by Esc or by a close request: Yes writes the exact bytes under the
// number as typed, replacing a file there whole; No leaves the disk as it
// was. No to another maze then ends the program, inside the close request.
TEST(SaveAndExit, YesWritesTheExactBytesUnderTheNumberAsTypedAndNoWritesNothing) {
  struct Case {
    bool existing, close, save;
  };
  for (const Case& c : {Case{false, false, true}, Case{true, false, true}, Case{false, true, true},
                        Case{false, false, false}, Case{true, true, false}}) {
    SCOPED_TRACE(testing::Message() << c.existing << c.close << c.save);
    EditorScenario s;
    if (c.existing) {
      s.Open(fake::DrawMaze({"####", "####", "S  G"}), "007");
      s.Yes();  // clear
      s.Press(kKeyC);
    } else {
      s.EnterNumber("  007 ");
    }
    const std::string before = c.existing ? s.folder.ReadFile("007.maz") : "";
    BuildSmallMaze(s);
    const Moment leave = c.close ? s.CloseRequest() : s.Press(vk::kEscape);
    c.save ? s.Yes() : s.No();
    s.No();
    EXPECT_EQ(s.Run(), 0);
    EXPECT_THAT(s.Shown(leave), ElementsAre(kSave, kAnother));
    EXPECT_THAT(s.Captions(leave), ElementsAre("Loomsel"));
    EXPECT_THAT(s.host.closeCancelled, IsEmpty());
    EXPECT_TRUE(s.sound.closed);
    EXPECT_EQ(s.folder.Exists("007.maz"), c.save || c.existing);
    if (c.save || c.existing) {
      EXPECT_EQ(s.folder.ReadFile("007.maz"), c.save ? SmallMazeBytes() : before);
    }
    EXPECT_FALSE(s.folder.Exists("7.maz"));
  }
}

// A close request runs the flow of Esc and is always cancelled; another maze
// discards the one left, and the caption says "Loomsel" until it opens.
TEST(SaveAndExit, ACloseRequestRunsTheSameFlowAndAnotherMazeDiscardsTheOneLeft) {
  EditorScenario s;
  for (const char* number : {"3", "4", "4"}) s.EnterNumber(number);  // the maze, door, key
  s.Ok();
  s.Ok();
  s.No();
  s.Yes();
  s.EnterNumber("5");
  s.Keys(" >D>Kv");
  const Moment noStart = s.CloseRequest();
  s.Press(kKeyS);
  const Moment noGoal = s.CloseRequest();
  s.Keys(">W");
  const Moment another = s.CloseRequest();
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.host.closeCancelled, ElementsAre(true, true, true));
  EXPECT_THAT(s.Shown(noStart), ElementsAre(kNoStart));
  EXPECT_THAT(s.Shown(noGoal), ElementsAre(kNoGoal));
  EXPECT_THAT(s.Shown(another), ElementsAre(kSave, kAnother, kPrompt));
  EXPECT_THAT(s.Captions(another), ElementsAre("Loomsel", "Location: 1, 1 - Loomsel"));
  EXPECT_THAT(s.host.captionDuringDialog,
              ElementsAre("Loomsel", "Location: 2, 1 - Loomsel", "Location: 3, 1 - Loomsel",
                          "Location: 3, 2 - Loomsel", "Location: 3, 2 - Loomsel", "Loomsel",
                          "Loomsel", "Loomsel"));
  EXPECT_EQ(s.form.MazeNumberText(), "5");
  EXPECT_TRUE(s.form.Maze().grid == maze::NewMazeRecord().grid);
  EXPECT_FALSE(s.form.Maze().start.IsSet());
  EXPECT_FALSE(s.form.Maze().goal.IsSet());
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{1, 1}));
  EXPECT_FALSE(s.folder.Exists("3.maz"));
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
  s.EnterNumber("7");  // door 7 at (5, 2), in row 2 filled with wall
  s.EnterNumber("7");  // key 7 at (3, 1)
  s.Keys("vF>>>>D^<<K<<S>>>>vvW!");
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
