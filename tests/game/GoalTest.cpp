// Reaching the goal: the winning clip to its end, then the menu.
#include "tests/game/GameScenario.h"

namespace {

using gametest::Scenario;
using testing::ElementsAre;
namespace vk = platform::vk;

maze::MazeRecord StartOnGoal() {
  maze::MazeRecord record = fake::DrawMaze({"  G  "});
  record.start = record.goal;
  return record;
}

// The next menu starts again at entry 1: Enter now starts maze 1.
TEST(Goal, TheWinningClipPlaysToItsEndThenTheMenuStartsAnotherMaze) {
  Scenario s;
  s.Maze(1, {"S  G"}).Maze(2, {"S G"}).Choose(2);
  s.Press(vk::kRight);
  const int64_t won = s.Time();
  s.Press(vk::kRight);
  // Keys while the clip plays reach nothing.
  s.Press({vk::kEnter, vk::kEscape, vk::kDown, vk::kLeft});
  const int64_t menu = won + gametest::kWinMs;
  s.At(menu + gametest::kChooseMazeMs + 100).Keys("E>");
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.PlayedAt("winMaze.wav"), won);
  EXPECT_EQ(s.OpAt("stop", "winMaze.wav"), -1);  // never cut short
  EXPECT_EQ(s.PlayedAt("chooseMaze.wav", 1), menu);
  // Nor do they cut short the menu's opening clip.
  EXPECT_EQ(s.OpAt("stop", "chooseMaze.wav", 1), menu + gametest::kChooseMazeMs);
  EXPECT_EQ(s.HeardText(won), "step, winMaze, chooseMaze, 1, go, step");
  for (const fake::HeardClip& clip : s.sound.Heard()) {
    if (clip.name == "winMaze.wav") {
      EXPECT_EQ(clip.pan, 0);
    }
  }
  EXPECT_EQ(s.form.MazeNumber, 1);
  EXPECT_EQ(s.form.FormMode, "game");
  EXPECT_EQ(s.form.position, gametest::Pos(2, 1));
}

TEST(Goal, WhereTheStartIsTheGoalAnyFirstKeyWins) {
  for (int key : {vk::Letter('A'), vk::kSpace, vk::kEnter, vk::kUp}) {
    SCOPED_TRACE(key);
    Scenario s;
    const int64_t go = s.Play(StartOnGoal());
    const int64_t first = s.Time();
    s.Press(key);
    EXPECT_EQ(s.Run(), std::nullopt);
    EXPECT_THAT(s.Heard(go, first), ElementsAre("go.wav"));
    EXPECT_EQ(s.PlayedAt("winMaze.wav"), first);
  }
}

TEST(Goal, EscIntoAMazeWhoseStartIsItsGoalWinsInTheSameKeyDown) {
  Scenario s;
  s.Maze(1, {"S  G"}).MazeOf(2, StartOnGoal()).Choose(1);
  const int64_t esc = s.Time();
  s.Press(vk::kEscape).Wait(gametest::kChooseMazeMs);
  const int64_t chosen = s.Time() + gametest::kGapMs;
  s.Choose(2);
  EXPECT_EQ(s.Run(), std::nullopt);
  // The Esc itself did not cut the menu's opening clip short.
  EXPECT_EQ(s.OpAt("stop", "chooseMaze.wav", 1), esc + gametest::kChooseMazeMs);
  EXPECT_EQ(s.PlayedAt("go.wav", 1), chosen);
  EXPECT_EQ(s.PlayedAt("winMaze.wav"), chosen);
  EXPECT_EQ(s.PlayedAt("chooseMaze.wav", 2), chosen + gametest::kWinMs);
  EXPECT_EQ(s.form.FormMode, "menu");
}

TEST(Goal, AnArrowLatchedWithTheConfirmingEnterIgnoresItsFirstPressInTheMaze) {
  Scenario s;
  s.Maze(1, {"S ", "  ", " G"});
  const int64_t chosen = s.Time();
  s.host.KeyDown(chosen, vk::kDown);
  s.host.KeyDown(chosen, vk::kEnter);
  s.host.KeyDown(chosen + 50, vk::kDown);  // the held arrow repeats: still ignored
  s.host.KeyUp(chosen + 80, vk::kDown);
  s.host.Press(chosen + 100, vk::kDown);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Heard(chosen), ElementsAre("go.wav", "step.wav"));
  EXPECT_EQ(s.PlayedAt("step.wav"), chosen + 100);
  EXPECT_EQ(s.form.position, gametest::Pos(1, 2));
}

}  // namespace
