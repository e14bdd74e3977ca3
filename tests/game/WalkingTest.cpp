// Walking a maze by ear: steps, the edge, walls and doors, held keys, keys
// picked up and doors opened.
#include "tests/game/GameScenario.h"

namespace {

using gametest::Scenario;
using testing::ElementsAre;
namespace vk = platform::vk;

maze::GridPosition At(int x, int y) { return {static_cast<int16_t>(x), static_cast<int16_t>(y)}; }

// A grid of open floor with the start and goal given.
maze::MazeRecord OpenField(maze::GridPosition start, maze::GridPosition goal = At(100, 100)) {
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = start;
  record.goal = goal;
  return record;
}

// Starts maze 1 from the menu; returns the time "go.wav" starts.
int64_t EnterRecord(Scenario& s, const maze::MazeRecord& record) {
  s.MazeOf(1, record);
  const int64_t go = s.Time();
  s.Choose(1);
  return go;
}

// The operations on the step sound at one moment.
std::vector<std::string> StepOpsAt(const Scenario& s, int64_t time) {
  std::vector<std::string> ops;
  for (const fake::SoundOp& op : s.sound.ops) {
    if (op.slot == sound::ClipSlot::Step && op.time == time) ops.push_back(op.op);
  }
  return ops;
}

int64_t Enter(Scenario& s, const std::vector<std::string>& picture) {
  return EnterRecord(s, fake::DrawMaze(picture));
}

TEST(Walking, HoldingAnArrowWalksOneCellAndTheNextPressWalksOn) {
  Scenario s;
  const int64_t go = Enter(s, {"S      ", "######G"});
  s.Hold(vk::kRight, 3).Release(vk::kRight);
  s.Press(vk::kRight, platform::kShiftMask);  // shifted or not, an arrow is an arrow
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Heard(go), ElementsAre("go.wav", "step.wav", "step.wav"));
  EXPECT_EQ(s.form.position, At(3, 1));
  EXPECT_EQ(s.form.DirectionWord, "right");
}

TEST(Walking, EachArrowHasItsOwnLatch) {
  Scenario s;
  const int64_t go = Enter(s, {"S  ", "   ", "G##"});
  s.Hold(vk::kRight, 2);
  s.Press(vk::kDown);  // while right is still held
  s.Release(vk::kRight);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Heard(go), ElementsAre("go.wav", "step.wav", "step.wav"));
  EXPECT_EQ(s.form.position, At(2, 2));
  EXPECT_EQ(s.form.DirectionWord, "down");
}

// Every way off the grid: the edge clip, the player faces that way and stays.
struct EdgeCase {
  int key;
  maze::GridPosition start;
  const char* word;
};

TEST(Walking, TheEdgeOfTheGridIsHeardAndFacedButNotCrossed) {
  const EdgeCase cases[] = {
      {vk::kRight, At(100, 40), "right"},
      {vk::kLeft, At(1, 40), "left"},
      {vk::kUp, At(40, 1), "up"},
      {vk::kDown, At(40, 100), "down"},
  };
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE(c.word);
    Scenario s;
    const int64_t go = EnterRecord(s, OpenField(c.start, At(50, 50)));
    s.Press(c.key);
    EXPECT_EQ(s.Run(), std::nullopt);
    EXPECT_THAT(s.Heard(go), ElementsAre("go.wav", "edge.wav"));
    EXPECT_EQ(s.form.position, c.start);
    EXPECT_EQ(s.form.DirectionWord, c.word);
  }
}

TEST(Walking, AWallIsHeardFacedAndNotEntered) {
  Scenario s;
  const int64_t go = Enter(s, {"#S ", "##G"});
  s.Press({vk::kLeft, vk::kEnter});
  EXPECT_EQ(s.Run(), std::nullopt);
  // No step sound, and Enter facing a wall is silent.
  EXPECT_THAT(s.Heard(go), ElementsAre("go.wav", "wall.wav"));
  EXPECT_EQ(s.form.position, At(2, 1));
  EXPECT_EQ(s.form.DirectionWord, "left");
}

TEST(Walking, TheStepIsPannedByTheColumnAfterTheMove) {
  struct PanCase {
    const char* story;
    maze::GridPosition start;
    int key;
    int32_t pan;
  };
  const PanCase cases[] = {
      {"left onto column 1", At(2, 10), vk::kLeft, -980},
      {"right onto column 50", At(49, 10), vk::kRight, 0},
      {"right onto column 100", At(99, 10), vk::kRight, 1000},
      {"down in column 30", At(30, 10), vk::kDown, -400},
      {"up in column 75", At(75, 10), vk::kUp, 500},
  };
  for (const PanCase& c : cases) {
    SCOPED_TRACE(c.story);
    Scenario s;
    EnterRecord(s, OpenField(c.start));
    const int64_t pressed = s.Time();
    s.Press(c.key);
    EXPECT_EQ(s.Run(), std::nullopt);
    EXPECT_THAT(s.StepPans(), ElementsAre(c.pan));
    // Stopped, rewound, panned, then played.
    EXPECT_THAT(StepOpsAt(s, pressed), ElementsAre("stop", "position", "pan", "play"));
  }
}

TEST(Walking, AStepDuringTheLastOneRestartsIt) {
  Scenario s;
  EnterRecord(s, OpenField(At(10, 10)));
  const int64_t first = s.Time();
  s.host.Press(first, vk::kRight, 0, 10);
  s.host.Press(first + 30, vk::kRight, 0, 10);  // the step sound lasts 60
  EXPECT_EQ(s.Run(), std::nullopt);
  // The second step stops the first, still sounding, and plays from the start.
  EXPECT_THAT(StepOpsAt(s, first + 30), ElementsAre("stop", "position", "pan", "play"));
  EXPECT_EQ(s.form.position, At(12, 10));
}

TEST(Keys, SteppingOntoAKeyPicksItUpOnce) {
  Scenario s;
  const int64_t go = Enter(s, {"S e ", "###G"});  // key 5 at column 3
  s.Press({vk::kRight, vk::kRight});
  const int64_t pickedUp = s.Time() - gametest::kGapMs;
  s.Press({vk::kLeft, vk::kRight});
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Heard(go),
              ElementsAre("go.wav", "step.wav", "step.wav", "key.wav", "step.wav", "step.wav"));
  EXPECT_EQ(s.PlayedAt("key.wav"), pickedUp);
  EXPECT_EQ(s.Cell(3, 1), maze::kFloor);
  for (int n = 1; n <= maze::kKeyCount; ++n) EXPECT_EQ(s.form.HasKey(n), n == 5) << n;
}

TEST(Keys, AKeyOnTheStartCellWaitsUntilThePlayerWalksBackOntoIt) {
  Scenario s;
  maze::MazeRecord record = fake::DrawMaze({"S  ", "##G"});
  maze::SetCell(record.grid, 1, 1, maze::KeyCell(2));
  const int64_t go = EnterRecord(s, record);
  // Standing on it: Enter, a readout and a bump into the edge pick nothing up.
  s.Press({vk::kEnter, vk::kSpace, vk::kUp});
  const int64_t off = s.Time();
  s.Press(vk::kRight);
  const int64_t back = s.Time();
  s.Press(vk::kLeft);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.PlayedAt("key.wav"), back);
  EXPECT_THAT(s.Heard(go, off), testing::Not(testing::Contains("key.wav")));
  EXPECT_THAT(s.Heard(back), ElementsAre("step.wav", "key.wav"));
  EXPECT_TRUE(s.form.HasKey(2));
}

TEST(Doors, ADoorBlocksAndStaysShutWithoutItsKey) {
  Scenario s;
  const int64_t go = Enter(s, {"S C ", "###G"});  // door 3 at column 3
  s.Press({vk::kRight, vk::kRight, vk::kEnter});
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Heard(go), ElementsAre("go.wav", "step.wav", "door.wav", "no open door.wav"));
  EXPECT_EQ(s.form.position, At(2, 1));
  EXPECT_EQ(s.Cell(3, 1), maze::DoorCell(3));
}

TEST(Doors, WithItsKeyADoorOpensOnEnterAndCanBeWalkedThrough) {
  Scenario s;
  const int64_t go = Enter(s, {"Sc C ", "####G"});
  s.Press({vk::kRight, vk::kRight, vk::kRight});  // key, step, bump into the door
  const int64_t enter = s.Time();
  s.Press({vk::kEnter, vk::kRight});
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Heard(go), ElementsAre("go.wav", "step.wav", "key.wav", "step.wav", "door.wav",
                                       "open door.wav", "step.wav"));
  EXPECT_EQ(s.PlayedAt("open door.wav"), enter);
  EXPECT_EQ(s.Cell(4, 1), maze::kFloor);
  EXPECT_EQ(s.form.position, At(4, 1));
}

TEST(Doors, OneKeyOpensEveryDoorOfItsNumber) {
  Scenario s;
  const int64_t go = Enter(s, {"SaAA ", "####G"});
  s.Press({vk::kRight, vk::kRight, vk::kEnter, vk::kRight, vk::kRight, vk::kEnter});
  s.Press(vk::kRight);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Heard(go), ElementsAre("go.wav", "step.wav", "key.wav", "door.wav", "open door.wav",
                                       "step.wav", "door.wav", "open door.wav", "step.wav"));
  EXPECT_EQ(s.form.position, At(4, 1));
  EXPECT_TRUE(s.form.HasKey(1));
}

TEST(Doors, EnterBeforeAnyArrowLooksAtTheOwnCellAndIsSilent) {
  Scenario s;
  // Doors on all four sides, and the key to them in hand would not matter.
  const int64_t go = Enter(s, {"#A#", "ASA", "#A#", "##G"});
  s.Press(vk::kEnter);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Heard(go), ElementsAre("go.wav"));
  EXPECT_EQ(s.form.DirectionWord, "");
}

TEST(Doors, EnterFacingPastTheEdgeIsSilent) {
  Scenario s;
  const int64_t go = Enter(s, {"S ", "#G"});
  s.Press({vk::kLeft, vk::kEnter});
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Heard(go), ElementsAre("go.wav", "edge.wav"));
  EXPECT_EQ(s.form.DirectionWord, "left");
}

TEST(Doors, EscForgetsTheKeysAndOpenedDoorsOnceTheNextMazeStarts) {
  Scenario s;
  Enter(s, {"SaA ", "###G"});
  s.Press({vk::kRight, vk::kRight, vk::kEnter});
  const int64_t opened = s.Time() - gametest::kGapMs;
  s.Press(vk::kEscape).Wait(gametest::kChooseMazeMs);
  const int64_t again = s.Time();
  s.Press(vk::kEnter);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.PlayedAt("open door.wav"), opened);
  EXPECT_EQ(s.PlayedAt("go.wav", 1), again);
  EXPECT_EQ(s.Cell(3, 1), maze::DoorCell(1));
  EXPECT_EQ(s.Cell(2, 1), maze::KeyCell(1));
  EXPECT_FALSE(s.form.HasKey(1));
  EXPECT_EQ(s.form.position, At(1, 1));
  EXPECT_EQ(s.form.DirectionWord, "");
}

}  // namespace
