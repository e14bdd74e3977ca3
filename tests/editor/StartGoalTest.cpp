// Setting the start and the goal, and jumping to them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/editor/EditorScenario.h"

namespace editortest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// S and W set only with no modifier at all; Ctrl alone jumps instead.
TEST(StartAndGoal, SAndWSetOnlyWithoutModifiers) {
  for (int shift : {0, kShift, kAlt, kCtrl, kCtrl | kShift, kCtrl | kAlt, kShift | kAlt}) {
    SCOPED_TRACE(shift);
    EditorScenario s;
    s.EnterNumber("1");
    s.Press(vk::kRight);
    const std::vector<Moment> keys = s.Keys("S>W", shift);
    s.Run();
    if (shift == 0) {
      EXPECT_THAT(s.HeardEach(keys), ElementsAre("start.wav 0", "step.wav -940", "win.wav 0"));
      EXPECT_EQ(s.form.Maze().start, (maze::GridPosition{2, 1}));
      EXPECT_EQ(s.form.Maze().goal, (maze::GridPosition{3, 1}));
    } else {
      EXPECT_THAT(s.HeardEach(keys), ElementsAre("", "step.wav -940", ""));
      EXPECT_THAT(s.Captions(keys[0]), IsEmpty());
      EXPECT_FALSE(s.form.Maze().start.IsSet());
      EXPECT_FALSE(s.form.Maze().goal.IsSet());
    }
  }
}

TEST(StartAndGoal, NeitherGoesOnAWallADoorOrAKey) {
  EditorScenario s;
  s.Open(fake::DrawMaze({"#Ab"}));
  const std::vector<Moment> presses = s.Keys("SW>SW>SW");
  s.Run();
  EXPECT_THAT(s.HeardEach(presses), ElementsAre("", "", "step.wav -960, door.wav 0", "", "",
                                                "step.wav -940, key.wav 0", "", ""));
  EXPECT_FALSE(s.form.Maze().start.IsSet());
  EXPECT_FALSE(s.form.Maze().goal.IsSet());
}

// Only Ctrl alone jumps, without a step, keeping the pan; nothing while unset.
TEST(StartAndGoal, CtrlSAndCtrlWJumpWithoutAStepAndKeepThePan) {
  for (bool set : {true, false}) {
    SCOPED_TRACE(set);
    EditorScenario s;
    s.Open(set ? OpenMaze({7, 4}, {9, 90}) : maze::NewMazeRecord());
    s.Press(vk::kRight);
    const std::vector<Moment> notJumps = {s.Press(kKeyS, kCtrl | kShift),
                                          s.Press(kKeyW, kCtrl | kAlt),
                                          s.Press(kKeyS, kCtrl | kAlt | kShift)};
    const std::vector<Moment> jumps = s.Keys("SW", kCtrl);
    const Moment down = s.Press(vk::kDown);
    s.Run();
    EXPECT_THAT(s.HeardEach(notJumps), ElementsAre("", "", ""));
    for (const Moment& m : notJumps) EXPECT_THAT(s.Captions(m), IsEmpty());
    if (set) {
      EXPECT_THAT(s.HeardEach(jumps), ElementsAre("start.wav 0", "win.wav 0"));
      EXPECT_THAT(s.Captions(jumps[0]), ElementsAre("Location: 7, 4 - Loomsel"));
      EXPECT_THAT(s.Captions(jumps[1]), ElementsAre("Location: 9, 90 - Loomsel"));
    } else {
      EXPECT_THAT(s.HeardEach(jumps), ElementsAre("", ""));
      for (const Moment& m : jumps) EXPECT_THAT(s.Captions(m), IsEmpty());
    }
    EXPECT_THAT(s.Heard(down), ElementsAre("step.wav -960"));
    EXPECT_EQ(s.form.EditCursor(), (set ? maze::GridPosition{9, 91} : maze::GridPosition{2, 2}));
  }
}

TEST(StartAndGoal, AGoalOnTheStartIsAnnouncedAsTheStart) {
  EditorScenario s;
  s.EnterNumber("1");
  const std::vector<Moment> m = s.Keys("vSW>>>");
  const Moment jump = s.Press(kKeyW, kCtrl);
  s.Run();
  EXPECT_EQ(s.form.Maze().goal, (maze::GridPosition{1, 2}));
  EXPECT_EQ(s.form.Maze().start, (maze::GridPosition{1, 2}));
  EXPECT_THAT(s.Heard(m[2]), ElementsAre("start.wav 0"));
  EXPECT_THAT(s.Heard(jump), ElementsAre("start.wav 0"));
}

}  // namespace
}  // namespace editortest
