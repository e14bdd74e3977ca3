// Moving the cursor: steps panned by column, edge beeps, the caption and the
// announcement after every arrow, and keys that arrive during a waited clip.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/editor/EditorScenario.h"

namespace editortest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Movement, AnArrowAtTheEdgeBeepsStaysAndStillTellsWhereTheCursorIs) {
  struct Case {
    const char* what;
    bool jumpToStart;  // the start lies at (100, 100)
    int key;
    const char* caption;
    const char* heard;
  };
  const Case kCases[] = {
      {"Left at column 1", false, vk::kLeft, "Location: 1, 1 - Loomsel", "wall.wav 0"},
      {"Up at row 1", false, vk::kUp, "Location: 1, 1 - Loomsel", "wall.wav 0"},
      {"Right at column 100", true, vk::kRight, "Location: 100, 100 - Loomsel", "start.wav 0"},
      {"Down at row 100", true, vk::kDown, "Location: 100, 100 - Loomsel", "start.wav 0"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EditorScenario s;
    maze::MazeRecord record = OpenMaze({100, 100}, {50, 50});
    maze::SetCell(record.grid, 1, 1, maze::kWall);
    s.folder.WriteMaze("3", record);
    s.EnterNumber("3");
    s.Ok();
    if (c.jumpToStart) s.Press(kKeyS, kCtrl);
    const Moment edge = s.Press(c.key);
    s.Run();
    EXPECT_EQ(s.Beeps(edge), 1);
    const maze::GridPosition stays =
        c.jumpToStart ? maze::GridPosition{100, 100} : maze::GridPosition{1, 1};
    EXPECT_EQ(s.form.EditCursor(), stays);
    EXPECT_THAT(s.Captions(edge), ElementsAre(c.caption));
    // No step, but the cell is announced again.
    EXPECT_THAT(s.Heard(edge), ElementsAre(c.heard));
  }
}

TEST(Movement, EachStepIsPannedByTheNewColumn) {
  EditorScenario s;
  s.EnterNumber("1");
  const Moment toTwo = s.Press(vk::kRight);
  s.PressTimes(47, vk::kRight);
  const Moment toFifty = s.Press(vk::kRight);
  s.PressTimes(49, vk::kRight);
  const Moment toHundred = s.Press(vk::kRight);
  s.PressTimes(98, vk::kLeft);
  const Moment toOne = s.Press(vk::kLeft);
  s.Run();
  EXPECT_THAT(s.Heard(toTwo), ElementsAre("step.wav -960"));
  EXPECT_THAT(s.Heard(toFifty), ElementsAre("step.wav 0"));
  EXPECT_THAT(s.Captions(toFifty), ElementsAre("Location: 50, 1 - Loomsel"));
  EXPECT_THAT(s.Heard(toHundred), ElementsAre("step.wav 1000"));
  EXPECT_THAT(s.Captions(toHundred), ElementsAre("Location: 100, 1 - Loomsel"));
  EXPECT_THAT(s.Heard(toOne), ElementsAre("step.wav -980"));
  EXPECT_THAT(s.Captions(toOne), ElementsAre("Location: 1, 1 - Loomsel"));
  EXPECT_TRUE(s.host.beeps.empty());
}

TEST(Movement, TheStepIsRestartedNotLayered) {
  EditorScenario s;
  s.EnterNumber("1");
  const Moment right = s.Press(vk::kRight);
  const Moment down = s.Press(vk::kDown);
  s.Run();
  auto stepOps = [&s](Moment m) {
    std::vector<std::string> ops;
    for (const fake::SoundOp& op : s.sound.ops) {
      if (op.slot == sound::ClipSlot::Step && m.Holds(op.time)) ops.push_back(op.op);
    }
    return ops;
  };
  EXPECT_THAT(stepOps(right), ElementsAre("stop", "position", "pan", "play"));
  EXPECT_THAT(stepOps(down), ElementsAre("stop", "position", "play"));
  int created = 0;
  for (const fake::SoundOp& op : s.sound.ops) created += op.op == "create" && op.name == "step.wav";
  EXPECT_EQ(created, 1);
}

TEST(Movement, UpDownJumpsAndAnotherMazeKeepThePanOfTheLastSidewaysStep) {
  EditorScenario s;
  s.folder.WriteMaze("4", OpenMaze({80, 5}, {80, 6}));
  s.EnterNumber("4");
  s.Ok();
  const Moment right = s.Press(vk::kRight);
  const Moment down = s.Press(vk::kDown);
  const Moment jump = s.Press(kKeyS, kCtrl);
  const Moment up = s.Press(vk::kUp);
  s.Press(vk::kEscape);
  s.No();   // save
  s.Yes();  // another maze
  s.EnterNumber("9");
  const Moment downInNewMaze = s.Press(vk::kDown);
  s.Run();
  EXPECT_THAT(s.Heard(right), ElementsAre("step.wav -960"));
  EXPECT_THAT(s.Heard(down), ElementsAre("step.wav -960"));
  EXPECT_THAT(s.Heard(jump), ElementsAre("start.wav 0"));
  EXPECT_THAT(s.Heard(up), ElementsAre("step.wav -960"));  // not the start's column
  EXPECT_THAT(s.Heard(downInNewMaze), ElementsAre("step.wav -960"));
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{1, 2}));
}

TEST(Movement, ModifiersDoNotChangeTheArrows) {
  for (int shift : {kShift, kCtrl, kAlt, kCtrl | kShift, kCtrl | kAlt | kShift}) {
    SCOPED_TRACE(shift);
    EditorScenario s;
    s.EnterNumber("1");
    const Moment right = s.Press(vk::kRight, shift);
    const Moment down = s.Press(vk::kDown, shift);
    s.Run();
    EXPECT_THAT(s.Heard(right), ElementsAre("step.wav -960"));
    EXPECT_THAT(s.Heard(down), ElementsAre("step.wav -960"));
    EXPECT_THAT(s.Captions(down), ElementsAre("Location: 2, 2 - Loomsel"));
  }
}

TEST(Movement, EveryArrowAnnouncesTheCellItReaches) {
  EditorScenario s;
  s.folder.WriteMaze("5", fake::DrawMaze({
                              "  #Ab",
                              "S G  ",
                          }));
  s.EnterNumber("5");
  s.Ok();
  s.Press(vk::kRight);
  const Moment wall = s.Press(vk::kRight);
  const Moment door = s.Press(vk::kRight);
  const Moment key = s.Press(vk::kRight);
  s.Press(vk::kLeft);
  s.Press(vk::kLeft);
  const Moment goal = s.Press(vk::kDown);
  const Moment open = s.Press(vk::kLeft);
  const Moment start = s.Press(vk::kLeft);
  s.Run();
  EXPECT_THAT(s.Heard(wall), ElementsAre("step.wav -940", "wall.wav 0"));
  EXPECT_THAT(s.Heard(door), ElementsAre("step.wav -920", "door.wav 0"));
  EXPECT_THAT(s.Heard(key), ElementsAre("step.wav -900", "key.wav 0"));
  EXPECT_THAT(s.Heard(goal), ElementsAre("step.wav -940", "win.wav 0"));
  EXPECT_THAT(s.Heard(open), ElementsAre("step.wav -960"));
  EXPECT_THAT(s.Heard(start), ElementsAre("step.wav -980", "start.wav 0"));
}

TEST(Movement, AKeyPressedDuringAWaitedClipRunsAtOnceAndTheClipsAfterItFollow) {
  EditorScenario s;
  s.EnterNumber("1");
  const Moment fill = s.Press(kKeyF);                              // wall clips from 1000
  s.PressAt(fill.from + EditorScenario::kClipMs / 2, vk::kRight);  // during the first
  s.Run();
  EXPECT_THAT(s.keyDepths, ElementsAre(0, 1));
  // The nested step lands on the new wall, whose clip takes the slot; the
  // fill waits for it, then plays its own remaining two.
  EXPECT_THAT(s.Heard(fill), ElementsAre("wall.wav -10000", "step.wav -960", "wall.wav 0",
                                         "wall.wav 0", "wall.wav 10000"));
  EXPECT_THAT(s.HeardTimes(fill), ElementsAre(1000, 1100, 1100, 1300, 1500));
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{2, 1}));
}

}  // namespace
}  // namespace editortest
