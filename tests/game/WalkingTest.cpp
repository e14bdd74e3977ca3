// Walking a maze by ear: steps, the edge, walls and doors, held keys, keys
// picked up and doors opened.
#include "tests/game/GameScenario.h"

namespace {

using gametest::OpenField;
using gametest::Pos;
using gametest::Scenario;
using testing::ElementsAre;
namespace vk = platform::vk;

// A walk: the keys pressed one after another (see Scenario::Keys), then what
// was heard from "go" on, where the player stands and faces, and the one key
// in hand (0: none).
struct Walk {
  maze::MazeRecord maze;
  const char* keys;
  const char* heard;
  maze::GridPosition position;
  const char* facing;
  int keyHeld = 0;
};

TEST(Walking, EachWalkIsHeardAndEndsWhereItShould) {
  const Walk walks[] = {
      // The edges; Enter facing past one is silent.
      {OpenField(Pos(100, 40), Pos(50, 50)), ">", "go, edge", Pos(100, 40), "right"},
      {OpenField(Pos(1, 40), Pos(50, 50)), "<", "go, edge", Pos(1, 40), "left"},
      {OpenField(Pos(40, 1), Pos(50, 50)), "^", "go, edge", Pos(40, 1), "up"},
      {OpenField(Pos(40, 100), Pos(50, 50)), "vE", "go, edge", Pos(40, 100), "down"},
      // A wall is not entered, and Enter facing it is silent.
      {fake::DrawMaze({"#S ", "##G"}), "<E", "go, wall", Pos(2, 1), "left"},
      // A key is picked up after the move onto it, once.
      {fake::DrawMaze({"S e ", "###G"}), ">><>", "go, step, step, key, step, step", Pos(3, 1),
       "right", 5},
      // Doors: shut without the key, opened by Enter with it and walked
      // through, one key for every door of its number.
      {fake::DrawMaze({"S C ", "###G"}), ">>E", "go, step, door, no open door", Pos(2, 1), "right"},
      {fake::DrawMaze({"Sc C ", "####G"}), ">>>E>", "go, step, key, step, door, open door, step",
       Pos(4, 1), "right", 3},
      {fake::DrawMaze({"SaAA ", "####G"}), ">>E>>E>",
       "go, step, key, door, open door, step, door, open door, step", Pos(4, 1), "right", 1},
      // Enter before any arrow looks at the player's own cell.
      {fake::DrawMaze({"#A#", "ASA", "#A#", "##G"}), "E", "go", Pos(2, 2), ""},
  };
  for (const Walk& w : walks) {
    SCOPED_TRACE(w.heard);
    Scenario s;
    const int64_t go = s.Play(w.maze);
    s.Keys(w.keys);
    EXPECT_EQ(s.Run(), std::nullopt);
    EXPECT_EQ(s.HeardText(go), w.heard);
    EXPECT_EQ(s.form.position, w.position);
    EXPECT_EQ(s.form.DirectionWord, w.facing);
    for (int n = 1; n <= maze::kKeyCount; ++n) EXPECT_EQ(s.form.HasKey(n), n == w.keyHeld) << n;
  }
}

TEST(Walking, AHeldArrowWalksOneCellAndEachArrowHasItsOwnLatch) {
  Scenario s;
  const int64_t go = s.Play(fake::DrawMaze({"S  ", "   ", "G##"}));
  s.Hold(vk::kRight, 3);
  s.Press(vk::kDown);  // while right is still held
  s.Release(vk::kRight);
  s.Press(vk::kRight, platform::kShiftMask);  // shifted or not, an arrow is an arrow
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.HeardText(go), "go, step, step, step");
  EXPECT_EQ(s.form.position, Pos(3, 2));
}

TEST(Walking, TheStepIsRestartedAndPannedByTheColumnAfterTheMove) {
  struct PanCase {
    maze::GridPosition start;
    int key;
    int32_t pan;
  };
  const PanCase cases[] = {{Pos(2, 10), vk::kLeft, -980},
                           {Pos(49, 10), vk::kRight, 0},
                           {Pos(99, 10), vk::kRight, 1000},
                           {Pos(30, 10), vk::kDown, -400},
                           {Pos(75, 10), vk::kUp, 500}};
  for (const PanCase& c : cases) {
    SCOPED_TRACE(c.pan);
    Scenario s;
    s.Play(OpenField(c.start));
    const int64_t pressed = s.Time();
    s.Press(c.key);
    EXPECT_EQ(s.Run(), std::nullopt);
    EXPECT_THAT(s.StepPans(), ElementsAre(c.pan));
    std::vector<std::string> ops;
    for (const fake::SoundOp& op : s.sound.ops) {
      if (op.slot == sound::ClipSlot::Step && op.time == pressed) ops.push_back(op.op);
    }
    EXPECT_THAT(ops, ElementsAre("stop", "position", "pan", "play"));
  }
}

TEST(Keys, AKeyOnTheStartCellWaitsUntilThePlayerWalksBackOntoIt) {
  Scenario s;
  maze::MazeRecord record = fake::DrawMaze({"S  ", "##G"});
  maze::SetCell(record.grid, 1, 1, maze::KeyCell(2));
  const int64_t go = s.Play(record);
  // Standing on it: Enter, a readout and a bump into the edge pick nothing up.
  s.Keys("E ^>");
  const int64_t back = s.Time();
  s.Press(vk::kLeft);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.PlayedAt("key.wav"), back);
  EXPECT_THAT(s.Heard(go, back), testing::Not(testing::Contains("key.wav")));
  EXPECT_TRUE(s.form.HasKey(2));
  EXPECT_EQ(s.Cell(1, 1), maze::kFloor);
}

TEST(Doors, EscForgetsTheKeysAndOpenedDoorsOnceTheNextMazeStarts) {
  Scenario s;
  s.Play(fake::DrawMaze({"SaA ", "###G"}));
  s.Keys(">>EX").Wait(gametest::kChooseMazeMs);
  const int64_t again = s.Time();
  s.Press(vk::kEnter);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.PlayedAt("open door.wav"), again - gametest::kChooseMazeMs - 2 * gametest::kGapMs);
  EXPECT_EQ(s.PlayedAt("go.wav", 1), again);
  EXPECT_EQ(s.Cell(3, 1), maze::DoorCell(1));
  EXPECT_EQ(s.Cell(2, 1), maze::KeyCell(1));
  EXPECT_FALSE(s.form.HasKey(1));
  EXPECT_EQ(s.form.position, Pos(1, 1));
  EXPECT_EQ(s.form.DirectionWord, "");
}

}  // namespace
