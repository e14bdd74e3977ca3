// Editing cells: walls, doors and keys with their number prompts, delete,
// filling a row, clearing the maze, and asking what a cell holds.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>

#include "tests/editor/EditorScenario.h"

namespace editortest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kDoorPrompt[] =
    "Please enter the number of the key which will unlock this door, from 1 to 20. Ensure that "
    "you also make a key with the same number, or the door will be unlockable";
constexpr char kKeyPrompt[] =
    "Please enter the number of this key, from 1 to 20. Ensure that you also make a door "
    "unlockable with a key of this number, unless you want the key to do nothing and be useless "
    "when picked up.";

TEST(CellEditing, SpaceBuildsAWallOnAnythingButAWall) {
  EditorScenario s;
  s.Open(fake::DrawMaze({" A#S"}));
  std::vector<Moment> keys = s.Keys(" >");
  for (const Moment& m : s.Keys(" > > ", kShift)) keys.push_back(m);
  s.Run();
  EXPECT_THAT(s.HeardEach(keys), ElementsAre("wall.wav 0", "step.wav -960, door.wav 0",
                                             "wall.wav 0", "step.wav -940, wall.wav 0", "",
                                             "step.wav -920, start.wav 0", "start.wav 0"));
  for (int x = 1; x <= 4; ++x) EXPECT_EQ(s.Cell(x, 1), maze::kWall) << x;
  EXPECT_EQ(s.form.Maze().start, (maze::GridPosition{4, 1}));
}

// Door and key numbers are asked until one from 1 to 20 comes; the cell
// changes only then.
TEST(CellEditing, DoorAndKeyNumbersAreAskedUntilOneFromOneToTwenty) {
  const std::vector<std::string> unusable = {"0", "21", "-1", "32768", "", "abc", "3."};
  std::deque<std::string> answers = {"1"};  // the maze number
  for (const char* taken : {" 3 ", "20", "1.9", " 3 ", "20", "+1"}) {
    answers.insert(answers.end(), unusable.begin(), unusable.end());
    answers.push_back(taken);
  }
  EditorScenario s;
  int askedOnFloor = 0;
  s.host.answerer = [&](fake::DialogKind kind, const std::string& text) {
    if (kind != fake::DialogKind::Text || answers.empty()) {
      throw fake::ScriptError("unexpected dialog: " + text);
    }
    const maze::GridPosition at = s.form.EditCursor();
    if (text != kPrompt && s.Cell(at.x, at.y) == maze::kFloor) ++askedOnFloor;
    const std::string answer = answers.front();
    answers.pop_front();
    return fake::DialogAnswer{kind, false, answer};
  };
  const std::vector<Moment> keys = s.Keys("D>D>D>K>K>K");
  s.Run();
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(s.Shown(keys[2 * i]), std::vector<std::string>(8, i < 3 ? kDoorPrompt : kKeyPrompt));
    EXPECT_THAT(s.Heard(keys[2 * i]), ElementsAre(i < 3 ? "door.wav 0" : "key.wav 0"));
  }
  EXPECT_EQ(askedOnFloor, 6 * 8);
  const maze::CellCode placed[] = {maze::DoorCell(3), maze::DoorCell(20), maze::DoorCell(1),
                                   maze::KeyCell(3),  maze::KeyCell(20),  maze::KeyCell(1)};
  for (int x = 1; x <= 6; ++x) EXPECT_EQ(s.Cell(x, 1), placed[x - 1]) << x;
}

// To change a door's number it must be deleted first: D on a door asks
// nothing, and so does K on a key.
TEST(CellEditing, ADoorReplacesAKeyAndAKeyADoorButNeitherItsOwnKind) {
  EditorScenario s;
  s.Open(fake::DrawMaze({"aB"}));  // key 1, then door 2
  s.EnterNumber("5");
  s.EnterNumber("6");
  const std::vector<Moment> keys = s.Keys("DD>KK");
  s.Run();
  EXPECT_THAT(s.Shown(keys[0]), ElementsAre(kDoorPrompt));
  EXPECT_THAT(s.Shown(keys[3]), ElementsAre(kKeyPrompt));
  EXPECT_THAT(s.Shown(keys[1]), IsEmpty());
  EXPECT_THAT(s.Shown(keys[4]), IsEmpty());
  EXPECT_THAT(s.HeardEach(keys),
              ElementsAre("door.wav 0", "", "step.wav -960, door.wav 0", "key.wav 0", ""));
  EXPECT_EQ(s.Cell(1, 1), maze::DoorCell(5));
  EXPECT_EQ(s.Cell(2, 1), maze::KeyCell(6));
}

// Delete clears walls, doors and keys and says so, not even the goal after;
// open cells, also the start's, are left alone in silence. It is waited for.
TEST(CellEditing, DeleteClearsWallsDoorsAndKeysAndLeavesOpenCellsAlone) {
  EditorScenario s;
  // Wall, door 4, key 9, open, the start on open floor, the goal on a wall, open.
  maze::MazeRecord record = fake::DrawMaze({"#Di  # "});
  record.start = {5, 1};
  record.goal = {6, 1};
  s.Open(record);
  std::vector<Moment> deletes;
  for (int x = 1; x <= 7; ++x) {
    deletes.push_back(s.Press(vk::kDelete));
    s.Press(vk::kRight);
  }
  s.PressAt(deletes[0].from + 50, vk::kUp);  // during the first "delete"
  s.Run();
  EXPECT_THAT(s.HeardEach(deletes), ElementsAre("delete.wav 0", "delete.wav 0", "delete.wav 0", "",
                                                "", "delete.wav 0", ""));
  for (int x : {1, 2, 3, 6}) EXPECT_EQ(s.Cell(x, 1), maze::kFloor) << x;
  EXPECT_EQ(s.form.Maze().start, (maze::GridPosition{5, 1}));
  EXPECT_EQ(s.form.Maze().goal, (maze::GridPosition{6, 1}));
  EXPECT_EQ(s.keyDepths.at(1), 1);
}

TEST(CellEditing, FillMakesTheWholeRowWallAndSweepsLeftCentreRight) {
  EditorScenario s;
  s.Open(OpenMaze({30, 3}, {31, 4}));
  s.PressTimes(2, vk::kDown);
  const Moment fill = s.Press(kKeyF, kCtrl);
  s.PressTimes(29, vk::kRight);  // onto the start, now a wall
  const Moment onStart = s.Press(vk::kUp);
  const Moment back = s.Press(vk::kDown);
  s.Run();
  EXPECT_EQ(s.form.Maze().grid[2], std::string(100, '#'));
  for (int y : {1, 2, 4, 100}) EXPECT_EQ(s.form.Maze().grid[y - 1], std::string(100, ' ')) << y;
  EXPECT_THAT(s.Heard(fill), ElementsAre("wall.wav -10000", "wall.wav 0", "wall.wav 10000"));
  EXPECT_THAT(s.HeardTimes(fill), ElementsAre(fill.from, fill.from + EditorScenario::kClipMs,
                                              fill.from + 2 * EditorScenario::kClipMs));
  EXPECT_THAT(s.Heard(onStart), ElementsAre("step.wav -400"));
  EXPECT_THAT(s.Heard(back), ElementsAre("step.wav -400", "start.wav 0"));
  EXPECT_EQ(s.form.Maze().start, (maze::GridPosition{30, 3}));
}

TEST(CellEditing, ClearEmptiesTheMazeOnlyOnYes) {
  struct Case {
    int shift;
    bool yes;
  };
  for (const Case& c :
       {Case{0, true}, Case{kCtrl, true}, Case{kShift | kAlt, true}, Case{0, false}}) {
    SCOPED_TRACE(testing::Message() << "shift " << c.shift << (c.yes ? " yes" : " no"));
    EditorScenario s;
    const maze::MazeRecord drawn = fake::DrawMaze({"  #S", "aB G"});
    s.Open(drawn);
    s.Press(vk::kRight);
    const Moment clear = s.Press(kKeyC, c.shift);
    c.yes ? s.Yes() : s.No();
    s.Run();
    EXPECT_THAT(s.Shown(clear), ElementsAre("Clear entire maze?"));
    EXPECT_THAT(s.Heard(clear), IsEmpty());
    EXPECT_THAT(s.Captions(clear), IsEmpty());
    EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{2, 1}));
    if (c.yes) {
      EXPECT_TRUE(s.form.Maze().grid == maze::NewMazeRecord().grid);
      EXPECT_EQ(s.form.Maze().start, (maze::GridPosition{0, 0}));
      EXPECT_EQ(s.form.Maze().goal, (maze::GridPosition{0, 0}));
    } else {
      EXPECT_TRUE(s.form.Maze().grid == drawn.grid);
      EXPECT_EQ(s.form.Maze().start, drawn.start);
      EXPECT_EQ(s.form.Maze().goal, drawn.goal);
    }
  }
}

TEST(CellEditing, InfoTellsTheNumberOfADoorOrAKey) {
  EditorScenario s;
  s.Open(fake::DrawMaze({"Lg# "}));  // door 12, key 7, wall, open
  s.Ok();
  s.Ok();
  const std::vector<Moment> keys = s.Keys("I>I>I>I", kShift);
  s.Run();
  EXPECT_THAT(s.Shown(keys[0]),
              ElementsAre("A door unlocked by a key of number 12 is at this location"));
  EXPECT_THAT(s.Shown(keys[2]), ElementsAre("A key of number  7 is at this location"));
  EXPECT_THAT(s.Shown({keys[4].from, keys[6].to}), IsEmpty());
  EXPECT_THAT(s.Heard(keys[0]), IsEmpty());
}

}  // namespace
}  // namespace editortest
