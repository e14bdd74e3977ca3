// The spoken readouts: space for where the player stands, W for the goal,
// played through the announcement queue while the player walks on.
#include "tests/game/GameScenario.h"

namespace {

using gametest::OpenField;
using gametest::Pos;
using gametest::Scenario;
using testing::ElementsAre;
namespace vk = platform::vk;

struct ReadoutCase {
  maze::GridPosition start;
  maze::GridPosition goal;
  int key;
  std::vector<std::string> said;
};

TEST(Readout, SpeaksXThenYInWords) {
  const ReadoutCase cases[] = {
      {Pos(7, 12), Pos(90, 90), vk::kSpace, {"7.wav", "12.wav"}},
      {Pos(7, 12), Pos(34, 10), gametest::kW, {"30.wav", "4.wav", "10.wav"}},
      {Pos(100, 5), Pos(1, 1), vk::kSpace, {"1.wav", "hundred.wav", "5.wav"}},
      {Pos(1, 1), Pos(100, 100), gametest::kW, {"1.wav", "hundred.wav", "1.wav", "hundred.wav"}},
      {Pos(20, 1), Pos(1, 2), vk::kSpace, {"20.wav", "1.wav"}},
      // A goal off the grid is played as the file holds it; a zero and a
      // negative number say nothing.
      {Pos(3, 3), Pos(150, 5), gametest::kW, {"1.wav", "hundred.wav", "50.wav", "5.wav"}},
      {Pos(3, 3), Pos(5, 0), gametest::kW, {"5.wav"}},
      {Pos(3, 3), Pos(0, 0), gametest::kW, {}},
      {Pos(3, 3), Pos(-3, 7), gametest::kW, {"7.wav"}},
  };
  for (const ReadoutCase& c : cases) {
    SCOPED_TRACE("goal " + std::to_string(c.goal.x) + ", " + std::to_string(c.goal.y));
    Scenario s;
    s.Play(OpenField(c.start, c.goal));
    const int64_t asked = s.Time();
    s.Press(c.key);
    EXPECT_EQ(s.Run(), std::nullopt);
    EXPECT_EQ(s.Said(asked), c.said);
  }
}

TEST(Readout, EachWordStartsOnTheTickAfterThePreviousEndsWhileThePlayerWalksOn) {
  Scenario s;
  s.Play(OpenField(Pos(7, 12), Pos(90, 90)));
  const int64_t asked = s.Time();
  s.host.Press(asked, vk::kSpace, 0, 10);
  s.host.Press(asked + 30, vk::kRight, 0, 10);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Said(asked), ElementsAre("7.wav", "12.wav"));
  EXPECT_EQ(s.PlayedAt("step.wav"), asked + 30);
  EXPECT_EQ(s.form.position, Pos(8, 12));
  const int64_t first = s.PlayedAt("7.wav");
  const int64_t second = s.PlayedAt("12.wav");
  EXPECT_GE(first, asked);
  EXPECT_LT(first, asked + game::kTimerIntervalMs);
  EXPECT_GE(second, first + gametest::kWordMs);
  EXPECT_LT(second, first + gametest::kWordMs + game::kTimerIntervalMs);
}

TEST(Readout, ASecondPressSilencesTheFirstReadout) {
  Scenario s;
  s.Play(OpenField(Pos(7, 12), Pos(55, 66)));
  const int64_t asked = s.Time();
  s.Press(vk::kSpace);
  const int64_t again = asked + 60;  // "7" is still being spoken
  s.At(again).Press(gametest::kW);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.OpAt("stop", "7.wav"), again);
  EXPECT_THAT(s.Said(asked), ElementsAre("7.wav", "50.wav", "5.wav", "60.wav", "6.wav"));
}

TEST(Readout, WaitsOutsideTheGameAndTheMenuDropsWhatIsLeft) {
  Scenario s;
  s.Play(OpenField(Pos(7, 12), Pos(8, 12)));
  const int64_t asked = s.Time();
  s.host.Press(asked, vk::kSpace, 0, 10);
  s.host.Press(asked + 30, vk::kRight, 0, 10);  // onto the goal while "7" is spoken
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.PlayedAt("winMaze.wav"), asked + 30);
  // No tick starts "12" during the winning clip or the menu's opening clip,
  // and the menu's first word clears it.
  EXPECT_THAT(s.Said(asked), ElementsAre("7.wav", "1.wav"));
}

}  // namespace
