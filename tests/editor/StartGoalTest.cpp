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
  struct Case {
    int key;
    const char* heard;
  };
  for (const Case& c : {Case{kKeyS, "start.wav 0"}, Case{kKeyW, "win.wav 0"}}) {
    for (int shift : {0, kShift, kAlt, kCtrl, kCtrl | kShift, kCtrl | kAlt, kShift | kAlt}) {
      SCOPED_TRACE(testing::Message() << static_cast<char>(c.key) << " with modifiers " << shift);
      EditorScenario s;
      s.EnterNumber("1");
      s.Press(vk::kRight);
      const Moment set = s.Press(c.key, shift);
      s.Run();
      const maze::GridPosition& position =
          c.key == kKeyS ? s.form.Maze().start : s.form.Maze().goal;
      if (shift == 0) {
        EXPECT_EQ(position, (maze::GridPosition{2, 1}));
        EXPECT_THAT(s.Heard(set), ElementsAre(c.heard));
      } else {
        EXPECT_FALSE(position.IsSet());
        EXPECT_THAT(s.Heard(set), IsEmpty());
        EXPECT_THAT(s.Captions(set), IsEmpty());
      }
      EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{2, 1}));
    }
  }
}

TEST(StartAndGoal, NeitherGoesOnAWallADoorOrAKey) {
  EditorScenario s;
  s.folder.WriteMaze("1", fake::DrawMaze({"#Ab"}));
  s.EnterNumber("1");
  s.Ok();
  std::vector<Moment> presses;
  for (int x = 1; x <= 3; ++x) {
    presses.push_back(s.Press(kKeyS));
    presses.push_back(s.Press(kKeyW));
    s.Press(vk::kRight);
  }
  s.Run();
  for (const Moment& m : presses) EXPECT_THAT(s.Heard(m), IsEmpty());
  EXPECT_FALSE(s.form.Maze().start.IsSet());
  EXPECT_FALSE(s.form.Maze().goal.IsSet());
}

TEST(StartAndGoal, CtrlSAndCtrlWJumpWithoutAStepAndKeepThePan) {
  EditorScenario s;
  s.folder.WriteMaze("1", OpenMaze({7, 4}, {9, 90}));
  s.EnterNumber("1");
  s.Ok();
  s.Press(vk::kRight);
  // Only Ctrl alone jumps.
  const std::vector<Moment> notJumps = {s.Press(kKeyS, kCtrl | kShift),
                                        s.Press(kKeyW, kCtrl | kAlt),
                                        s.Press(kKeyS, kCtrl | kAlt | kShift)};
  const Moment toStart = s.Press(kKeyS, kCtrl);
  const Moment toGoal = s.Press(kKeyW, kCtrl);
  const Moment up = s.Press(vk::kUp);
  s.Run();
  for (const Moment& m : notJumps) {
    EXPECT_THAT(s.Heard(m), IsEmpty());
    EXPECT_THAT(s.Captions(m), IsEmpty());
  }
  EXPECT_THAT(s.Heard(toStart), ElementsAre("start.wav 0"));
  EXPECT_THAT(s.Captions(toStart), ElementsAre("Location: 7, 4 - Loomsel"));
  EXPECT_THAT(s.Heard(toGoal), ElementsAre("win.wav 0"));
  EXPECT_THAT(s.Captions(toGoal), ElementsAre("Location: 9, 90 - Loomsel"));
  EXPECT_THAT(s.Heard(up), ElementsAre("step.wav -960"));
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{9, 89}));
}

TEST(StartAndGoal, CtrlSAndCtrlWDoNothingWhileUnset) {
  EditorScenario s;
  s.EnterNumber("1");
  s.Press(vk::kRight);
  const Moment toStart = s.Press(kKeyS, kCtrl);
  const Moment toGoal = s.Press(kKeyW, kCtrl);
  s.Run();
  for (const Moment& m : {toStart, toGoal}) {
    EXPECT_THAT(s.Heard(m), IsEmpty());
    EXPECT_THAT(s.Captions(m), IsEmpty());
  }
  EXPECT_EQ(s.form.EditCursor(), (maze::GridPosition{2, 1}));
}

TEST(StartAndGoal, AGoalOnTheStartIsAnnouncedAsTheStart) {
  EditorScenario s;
  s.EnterNumber("1");
  s.Press(vk::kDown);
  s.Press(kKeyS);
  const Moment goal = s.Press(kKeyW);
  s.PressTimes(3, vk::kRight);
  const Moment jump = s.Press(kKeyW, kCtrl);
  s.Run();
  EXPECT_EQ(s.form.Maze().goal, (maze::GridPosition{1, 2}));
  EXPECT_EQ(s.form.Maze().start, (maze::GridPosition{1, 2}));
  EXPECT_THAT(s.Heard(goal), ElementsAre("start.wav 0"));
  EXPECT_THAT(s.Heard(jump), ElementsAre("start.wav 0"));
}

}  // namespace
}  // namespace editortest
