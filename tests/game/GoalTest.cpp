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

TEST(Goal, AStepOntoTheGoalPlaysTheWinningClipToItsEndThenTheMenu) {
  Scenario s;
  s.Maze(1, {"S G"}).Maze(2, {"S G"}).Choose(1);
  s.Press(vk::kRight);
  const int64_t won = s.Time();
  s.Press(vk::kRight);
  // Keys while the clip plays reach nothing.
  s.Press({vk::kEnter, vk::kEscape, vk::kDown, vk::kLeft});
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.PlayedAt("step.wav", 1), won);
  EXPECT_EQ(s.PlayedAt("winMaze.wav"), won);
  for (const fake::HeardClip& clip : s.sound.Heard()) {
    if (clip.name == "winMaze.wav") {
      EXPECT_EQ(clip.pan, 0);
    }
  }
  EXPECT_EQ(s.OpAt("stop", "winMaze.wav"), -1);  // never cut short
  const int64_t menu = won + gametest::kWinMs;
  EXPECT_EQ(s.PlayedAt("chooseMaze.wav", 1), menu);
  // Nor do they cut short the menu's opening clip.
  EXPECT_EQ(s.OpAt("stop", "chooseMaze.wav", 1), menu + gametest::kChooseMazeMs);
  EXPECT_THAT(s.Heard(won), ElementsAre("step.wav", "winMaze.wav", "chooseMaze.wav", "1.wav"));
  EXPECT_EQ(s.form.FormMode, "menu");
  EXPECT_EQ(s.form.menuSelection, 1);
}

TEST(Goal, AfterAWinTheMenuStartsAnotherMaze) {
  Scenario s;
  s.Maze(1, {"SG"}).Maze(2, {"S  G"}).Choose(1);
  s.Press(vk::kRight).Wait(gametest::kWinMs + gametest::kChooseMazeMs);
  const int64_t second = s.Time();
  s.Choose(2).Press(vk::kRight);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.form.MazeNumber, 2);
  EXPECT_EQ(s.form.FormMode, "game");
  EXPECT_THAT(s.Heard(second), ElementsAre("2.wav", "go.wav", "step.wav"));
  EXPECT_EQ(s.form.position, (maze::GridPosition{2, 1}));
}

TEST(Goal, WhereTheStartIsTheGoalAnyFirstKeyWins) {
  for (int key : {vk::Letter('A'), vk::kSpace, vk::kEnter, vk::kUp}) {
    SCOPED_TRACE(key);
    Scenario s;
    s.MazeOf(1, StartOnGoal());
    const int64_t go = s.Time();
    s.Choose(1);
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

TEST(Goal, AKeyPressedDuringTheMenuOpenedByEscCutsItsOpeningClip) {
  Scenario s;
  s.Maze(1, {"S  G"}).Choose(1);
  const int64_t esc = s.Time();
  s.Press(vk::kEscape);
  const int64_t cut = esc + 150;
  s.At(cut).Press(vk::kDown);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.OpAt("stop", "chooseMaze.wav", 1), cut);
  EXPECT_EQ(s.form.FormMode, "menu");
  EXPECT_EQ(s.form.menuSelection, 1);  // the Down only cut the clip
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
  EXPECT_EQ(s.form.position, (maze::GridPosition{1, 2}));
}

}  // namespace
