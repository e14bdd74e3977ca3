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
  EditorScenario s;
  maze::MazeRecord record = OpenMaze({100, 100}, {50, 50});
  maze::SetCell(record.grid, 1, 1, maze::kWall);
  s.Open(record);
  std::vector<Moment> edges = s.Keys("<^");
  s.Press(kKeyS, kCtrl);
  for (const Moment& m : s.Keys(">v")) edges.push_back(m);
  s.Run();
  // No step, but the cell is announced again.
  EXPECT_THAT(s.HeardEach(edges),
              ElementsAre("wall.wav 0", "wall.wav 0", "start.wav 0", "start.wav 0"));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(s.Beeps(edges[i]), 1);
    EXPECT_THAT(s.Captions(edges[i]),
                ElementsAre(i < 2 ? "Location: 1, 1 - Loomsel" : "Location: 100, 100 - Loomsel"));
  }
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{100, 100}));
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
  EXPECT_THAT(s.HeardEach({toTwo, toFifty, toHundred, toOne}),
              ElementsAre("step.wav -960", "step.wav 0", "step.wav 1000", "step.wav -980"));
  EXPECT_THAT(s.Captions(toFifty), ElementsAre("Location: 50, 1 - Loomsel"));
  EXPECT_THAT(s.Captions(toHundred), ElementsAre("Location: 100, 1 - Loomsel"));
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
  s.Open(OpenMaze({80, 5}, {80, 6}), "4");
  std::vector<Moment> keys = s.Keys(">v");
  keys.push_back(s.Press(kKeyS, kCtrl));
  keys.push_back(s.Press(vk::kUp));
  s.Press(vk::kEscape);
  s.No();   // save
  s.Yes();  // another maze
  s.EnterNumber("9");
  keys.push_back(s.Press(vk::kDown, kShift | kCtrl | kAlt));  // modifiers change no arrow
  s.Run();
  EXPECT_THAT(s.HeardEach(keys), ElementsAre("step.wav -960", "step.wav -960", "start.wav 0",
                                             "step.wav -960", "step.wav -960"));
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{1, 2}));
}

TEST(Movement, EveryArrowAnnouncesTheCellItReaches) {
  EditorScenario s;
  s.Open(fake::DrawMaze({"  #Ab", "S G  "}));
  const std::vector<Moment> keys = s.Keys(">>>><<v<<", kShift);
  s.Run();
  EXPECT_THAT(s.HeardEach(keys),
              ElementsAre("step.wav -960", "step.wav -940, wall.wav 0", "step.wav -920, door.wav 0",
                          "step.wav -900, key.wav 0", "step.wav -920, door.wav 0",
                          "step.wav -940, wall.wav 0", "step.wav -940, win.wav 0", "step.wav -960",
                          "step.wav -980, start.wav 0"));
  EXPECT_THAT(s.Captions(keys[6]), ElementsAre("Location: 3, 2 - Loomsel"));
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
