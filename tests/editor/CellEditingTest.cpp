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
  s.folder.WriteMaze("1", fake::DrawMaze({" A#S"}));
  s.EnterNumber("1");
  s.Ok();
  const Moment onOpen = s.Press(vk::kSpace);
  s.Press(vk::kRight);
  const Moment onDoor = s.Press(vk::kSpace, kShift);
  s.Press(vk::kRight);
  const Moment onWall = s.Press(vk::kSpace);
  s.Press(vk::kRight);
  const Moment onStart = s.Press(vk::kSpace);
  s.Run();
  EXPECT_THAT(s.Heard(onOpen), ElementsAre("wall.wav 0"));
  EXPECT_THAT(s.Heard(onDoor), ElementsAre("wall.wav 0"));
  EXPECT_THAT(s.Heard(onWall), IsEmpty());
  EXPECT_THAT(s.Heard(onStart), ElementsAre("start.wav 0"));
  for (int x = 1; x <= 4; ++x) EXPECT_EQ(s.Cell(x, 1), maze::kWall) << x;
  EXPECT_EQ(s.form.Maze().start, (maze::GridPosition{4, 1}));
}

// Door and key numbers are asked until one from 1 to 20 comes; the cell
// changes only then.
TEST(CellEditing, DoorAndKeyNumbersAreAskedUntilOneFromOneToTwenty) {
  struct Case {
    int key;
    const char* prompt;
    std::vector<std::string> entries;  // the last one is taken
    maze::CellCode cell;
    const char* heard;
  };
  const std::vector<std::string> unusable = {"0", "21", "-1", "32768", "", "abc", "3."};
  auto then = [&unusable](const std::string& last) {
    std::vector<std::string> entries = unusable;
    entries.push_back(last);
    return entries;
  };
  const Case kCases[] = {
      {kKeyD, kDoorPrompt, then(" 3 "), maze::DoorCell(3), "door.wav 0"},
      {kKeyD, kDoorPrompt, then("20"), maze::DoorCell(20), "door.wav 0"},
      {kKeyD, kDoorPrompt, then("1.9"), maze::DoorCell(1), "door.wav 0"},
      {kKeyK, kKeyPrompt, then(" 3 "), maze::KeyCell(3), "key.wav 0"},
      {kKeyK, kKeyPrompt, then("20"), maze::KeyCell(20), "key.wav 0"},
      {kKeyK, kKeyPrompt, then("+1"), maze::KeyCell(1), "key.wav 0"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << (c.key == kKeyD ? "door " : "key ") << c.entries.back());
    EditorScenario s;
    std::deque<std::string> answers(c.entries.begin(), c.entries.end());
    answers.push_front("1");  // the maze number
    std::vector<maze::CellCode> cellWhileAsked;
    s.host.answerer = [&](fake::DialogKind kind, const std::string& text) {
      if (kind != fake::DialogKind::Text || answers.empty()) {
        throw fake::ScriptError("unexpected dialog: " + text);
      }
      if (text == c.prompt) cellWhileAsked.push_back(s.Cell(1, 1));
      std::string answer = answers.front();
      answers.pop_front();
      return fake::DialogAnswer{kind, false, answer};
    };
    const Moment place = s.Press(c.key);
    s.Run();
    std::vector<std::string> prompts = s.Shown(place);
    EXPECT_EQ(prompts, std::vector<std::string>(c.entries.size(), c.prompt));
    EXPECT_EQ(cellWhileAsked, std::vector<maze::CellCode>(c.entries.size(), maze::kFloor));
    EXPECT_EQ(s.Cell(1, 1), c.cell);
    EXPECT_THAT(s.Heard(place), ElementsAre(c.heard));
  }
}

TEST(CellEditing, ADoorReplacesAKeyAndAKeyADoorButNeitherItsOwnKind) {
  EditorScenario s;
  s.folder.WriteMaze("1", fake::DrawMaze({"aB"}));  // key 1, then door 2
  s.EnterNumber("1");
  s.Ok();
  const Moment doorOnKey = s.Press(kKeyD);
  s.EnterNumber("5");
  const Moment doorOnDoor = s.Press(kKeyD);
  s.Press(vk::kRight);
  const Moment keyOnDoor = s.Press(kKeyK);
  s.EnterNumber("6");
  const Moment keyOnKey = s.Press(kKeyK);
  s.Run();
  EXPECT_THAT(s.Shown(doorOnKey), ElementsAre(kDoorPrompt));
  EXPECT_THAT(s.Heard(doorOnKey), ElementsAre("door.wav 0"));
  EXPECT_THAT(s.Shown(keyOnDoor), ElementsAre(kKeyPrompt));
  EXPECT_THAT(s.Heard(keyOnDoor), ElementsAre("key.wav 0"));
  // To change a door's number it must be deleted first: D on a door asks
  // nothing, and so does K on a key.
  for (const Moment& m : {doorOnDoor, keyOnKey}) {
    EXPECT_THAT(s.Shown(m), IsEmpty());
    EXPECT_THAT(s.Heard(m), IsEmpty());
  }
  EXPECT_EQ(s.Cell(1, 1), maze::DoorCell(5));
  EXPECT_EQ(s.Cell(2, 1), maze::KeyCell(6));
}

TEST(CellEditing, DeleteClearsWallsDoorsAndKeysAndLeavesOpenCellsAlone) {
  EditorScenario s;
  // Wall, door 4, key 9, open, the start on open floor, the goal on a wall, open.
  maze::MazeRecord record = fake::DrawMaze({"#Di  # "});
  record.start = {5, 1};
  record.goal = {6, 1};
  s.folder.WriteMaze("1", record);
  s.EnterNumber("1");
  s.Ok();
  std::vector<Moment> deletes;
  for (int x = 1; x <= 7; ++x) {
    deletes.push_back(s.Press(vk::kDelete));
    s.Press(vk::kRight);
  }
  s.Run();
  // Cleared cells say "delete" and nothing more, not even at the goal.
  for (int x : {1, 2, 3, 6}) {
    EXPECT_THAT(s.Heard(deletes[x - 1]), ElementsAre("delete.wav 0")) << x;
    EXPECT_EQ(s.Cell(x, 1), maze::kFloor) << x;
  }
  for (int x : {4, 5, 7}) EXPECT_THAT(s.Heard(deletes[x - 1]), IsEmpty()) << x;
  EXPECT_EQ(s.form.Maze().start, (maze::GridPosition{5, 1}));
  EXPECT_EQ(s.form.Maze().goal, (maze::GridPosition{6, 1}));
}

TEST(CellEditing, DeleteIsWaitedFor) {
  EditorScenario s;
  s.folder.WriteMaze("1", fake::DrawMaze({"#"}));
  s.EnterNumber("1");
  s.Ok();
  const Moment del = s.Press(vk::kDelete);
  s.PressAt(del.from + 50, vk::kRight);
  s.Run();
  EXPECT_THAT(s.keyDepths, ElementsAre(0, 1));
}

TEST(CellEditing, FillMakesTheWholeRowWallAndSweepsLeftCentreRight) {
  EditorScenario s;
  s.folder.WriteMaze("1", OpenMaze({30, 3}, {31, 4}));
  s.EnterNumber("1");
  s.Ok();
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
    s.folder.WriteMaze("1", drawn);
    s.EnterNumber("1");
    s.Ok();
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
  s.folder.WriteMaze("1", fake::DrawMaze({"Lg# "}));  // door 12, key 7, wall, open
  s.EnterNumber("1");
  s.Ok();
  const Moment door = s.Press(kKeyI);
  s.Ok();
  s.Press(vk::kRight);
  const Moment key = s.Press(kKeyI, kShift);
  s.Ok();
  s.Press(vk::kRight);
  const Moment wall = s.Press(kKeyI);
  s.Press(vk::kRight);
  const Moment open = s.Press(kKeyI);
  s.Run();
  EXPECT_THAT(s.Shown(door),
              ElementsAre("A door unlocked by a key of number 12 is at this location"));
  EXPECT_THAT(s.Shown(key), ElementsAre("A key of number  7 is at this location"));
  EXPECT_THAT(s.Shown(wall), IsEmpty());
  EXPECT_THAT(s.Shown(open), IsEmpty());
  EXPECT_THAT(s.Heard(door), IsEmpty());
}

}  // namespace
}  // namespace editortest
