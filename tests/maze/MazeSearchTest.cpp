// Winnable or not, and the route, on small drawn mazes with known answers.
// Every route found is pressed key by key and must end on the goal.

#include <gtest/gtest.h>

#include "maze/MazeSearch.h"
#include "tests/support/ScenarioFolder.h"

namespace {

using maze::GridPosition;
using maze::LockedDoor;
using maze::RouteStep;

// Arrow and Enter presses as letters: L R U D, and O for Enter.
std::vector<RouteStep> Steps(const std::string& presses) {
  std::vector<RouteStep> steps;
  for (char c : presses) {
    steps.push_back(static_cast<RouteStep>(std::string("LRUDO").find(c)));
  }
  return steps;
}

std::vector<int> Numbers(const std::vector<maze::KeyPickup>& keys) {
  std::vector<int> numbers;
  for (const maze::KeyPickup& key : keys) numbers.push_back(key.number);
  return numbers;
}

struct SearchCase {
  const char* name;
  std::vector<std::string> picture;
  GridPosition start;  // replaces the drawn start when set
  GridPosition goal;   // replaces the drawn goal when set
  bool winnable;
  int reachable;
  std::vector<int> keyOrder;
  std::vector<LockedDoor> locked;
  GridPosition nearest;
  int cellsWalked;  // of the route, when winnable
  int doorsOpened;
  std::string presses;  // the exact route, when there is only one shortest
};

maze::MazeRecord MazeOf(const SearchCase& c) {
  maze::MazeRecord record = fake::DrawMaze(c.picture);
  if (c.start.IsSet()) record.start = c.start;
  if (c.goal.IsSet()) record.goal = c.goal;
  return record;
}

void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.name; }

class SearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, FloodAndRouteGiveTheKnownAnswer) {
  const SearchCase& c = GetParam();
  const maze::MazeRecord record = MazeOf(c);

  const maze::FloodResult flood = maze::FloodMaze(record);
  EXPECT_EQ(flood.winnable, c.winnable);
  EXPECT_EQ(flood.reachableCells, c.reachable);
  EXPECT_EQ(Numbers(flood.keyOrder), c.keyOrder);
  EXPECT_EQ(flood.lockedDoors, c.locked);
  EXPECT_EQ(flood.nearestToGoal, c.winnable ? record.goal : c.nearest);

  const maze::Route route = maze::FindRoute(record);
  EXPECT_EQ(route.found, c.winnable);
  if (!c.winnable) {
    EXPECT_TRUE(route.steps.empty());
    return;
  }
  EXPECT_TRUE(route.provenShortest);
  EXPECT_EQ(route.cellsWalked, c.cellsWalked);
  EXPECT_EQ(route.doorsOpened, c.doorsOpened);
  if (!c.presses.empty()) {
    EXPECT_EQ(route.steps, Steps(c.presses));
  }

  const maze::ReplayResult replay = maze::ReplayRoute(record, route.steps);
  EXPECT_TRUE(replay.won);
  EXPECT_EQ(replay.pressesUsed, route.steps.size());
  EXPECT_EQ(replay.end, record.goal);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    DrawnMazes, SearchTest,
    ::testing::Values(
        SearchCase{"OpenRow", {"S....G"}, {}, {}, true, 6, {}, {}, {}, 5, 0, "RRRRR"},
        SearchCase{"OpenGrid", {"S..", "...", "..G"}, {}, {}, true, 9, {}, {}, {}, 4, 0, ""},
        SearchCase{"WalledOffGoal", {"S.#G"}, {}, {}, false, 2, {}, {}, {2, 1}, 0, 0, ""},
        SearchCase{"KeyBehindItsOwnDoor", {"S.Aa.G"}, {}, {}, false, 2, {}, {{1, {3, 1}}}, {2, 1},
                   0, 0, ""},
        // Walking straight at a door already faces it: Enter needs no bump.
        SearchCase{"KeyOnlyAfterAnotherDoor", {"S.aA.bB.G"}, {}, {}, true, 9, {1, 2}, {}, {}, 8,
                   2, "RRORRRORRR"},
        // After a turn the player bumps into the door to face it.
        SearchCase{"DoorAfterATurn", {"S.a", "##A", "##G"}, {}, {}, true, 5, {1}, {}, {}, 4, 1,
                   "RRDODD"},
        // An opened door is floor: the way back walks through it.
        SearchCase{"BackThroughAnOpenedDoor", {"GB.SaA.b"}, {}, {}, true, 8, {1, 2}, {}, {}, 11, 2,
                   "RORRRLLLLLOLL"},
        SearchCase{"OneKeyOpensTwoDoors", {"SaA.A.G"}, {}, {}, true, 7, {1}, {}, {}, 6, 2,
                   "RORRORRR"},
        SearchCase{"SecondKeyOfANumberAddsNothing", {"Sa.aAG"}, {}, {}, true, 6, {1}, {}, {}, 5, 1,
                   "RRRORR"},
        SearchCase{"StartIsGoal", {"..."}, {2, 1}, {2, 1}, true, 3, {}, {}, {}, 0, 0, ""},
        SearchCase{"GoalOnADoor", {"SaA"}, {}, {3, 1}, true, 3, {1}, {}, {}, 2, 1, "ROR"},
        SearchCase{"GoalOnAWall", {"S.#"}, {}, {3, 1}, false, 2, {}, {}, {2, 1}, 0, 0, ""},
        // A key on the start is taken only on walking back onto it.
        SearchCase{"KeyOnTheStart", {"a.AG"}, {1, 1}, {}, true, 4, {1}, {}, {}, 5, 1, "RLRORR"},
        // A start on a wall is left once and never crossed again.
        SearchCase{"StartOnAWallSplitsTheMaze", {"GA.#.a"}, {4, 1}, {}, false, 3, {1}, {}, {4, 1},
                   0, 0, ""},
        SearchCase{"StartOnFloorJoinsTheMaze", {"GA.S.a"}, {}, {}, true, 6, {1}, {}, {}, 7, 1,
                   "RRLLLOLL"},
        // A start on a door opens again once its key is in hand.
        SearchCase{"StartOnADoor", {"GBA.ab"}, {3, 1}, {}, true, 6, {1, 2}, {}, {}, 8, 2,
                   "RRRLLOLOLL"}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(Search, StartOrGoalOffTheGridIsNeverWinnable) {
  maze::MazeRecord record = fake::DrawMaze({"S..G"});
  record.start = {0, 0};
  const maze::FloodResult flood = maze::FloodMaze(record);
  EXPECT_FALSE(flood.winnable);
  EXPECT_EQ(flood.reachableCells, 0);
  EXPECT_FALSE(flood.nearestToGoal.IsSet());
  EXPECT_EQ(flood.nearestDistance, -1);
  EXPECT_FALSE(maze::FindRoute(record).found);

  record.start = {1, 1};
  record.goal = {101, 1};
  EXPECT_FALSE(maze::FloodMaze(record).winnable);
  EXPECT_FALSE(maze::FindRoute(record).found);
}

TEST(Search, KeyOrderNamesTheCellsTheKeysLayOn) {
  const maze::MazeRecord record = fake::DrawMaze({"S.aA.bB.G"});
  const std::vector<maze::KeyPickup> expected = {{1, {3, 1}}, {2, {6, 1}}};
  EXPECT_EQ(maze::FloodMaze(record).keyOrder, expected);
  EXPECT_EQ(maze::FindRoute(record).keyOrder, expected);
}

TEST(Search, NearestCellToAnUnreachableGoal) {
  const maze::MazeRecord record = fake::DrawMaze({"S...#", "....#", "###A#", "....G"});
  const maze::FloodResult flood = maze::FloodMaze(record);
  EXPECT_FALSE(flood.winnable);
  EXPECT_EQ(flood.reachableCells, 8);
  EXPECT_EQ(flood.nearestToGoal, (GridPosition{4, 2}));
  EXPECT_EQ(flood.nearestDistance, 3);
  EXPECT_EQ(flood.lockedDoors, (std::vector<LockedDoor>{{1, {4, 3}}}));
}

// The search meets its bound: the route is built leg by leg and still wins,
// also when the nearest useful key lies behind a start on a wall the player
// cannot cross back, and when a key lies on the start.
TEST(SearchBound, FallbackRouteWinsButIsNotProvenShortest) {
  const std::pair<std::vector<std::string>, GridPosition> mazes[] = {
      {{"GB.SaA.b"}, {}}, {{"##b#.BG", "####b##"}, {4, 1}}, {{"a.AG"}, {1, 1}}};
  for (const auto& [picture, start] : mazes) {
    SCOPED_TRACE(picture.front());
    maze::MazeRecord record = fake::DrawMaze(picture);
    if (start.IsSet()) record.start = start;
    const maze::Route shortest = maze::FindRoute(record);
    const maze::Route route = maze::FindRoute(record, {.maxStates = 1});
    ASSERT_TRUE(route.found);
    EXPECT_FALSE(route.provenShortest);
    EXPECT_LE(route.statesExplored, 1u + 4u);
    EXPECT_GE(route.cellsWalked, shortest.cellsWalked);
    EXPECT_EQ(route.doorsOpened, shortest.doorsOpened);
    const maze::ReplayResult replay = maze::ReplayRoute(record, route.steps);
    EXPECT_TRUE(replay.won);
    EXPECT_EQ(replay.pressesUsed, route.steps.size());
  }
}

// The presses by the game rules, and the cells stood on: bumps into walls and
// doors and the presses of Enter add none, each step adds the cell moved onto.
struct ReplayCase {
  const char* name;
  std::vector<std::string> picture;
  GridPosition start;
  std::string presses;
  bool won;
  size_t pressesUsed;
  std::vector<GridPosition> path;  // the last is where the replay ends
};

void PrintTo(const ReplayCase& c, std::ostream* out) { *out << c.name; }

class ReplayTest : public ::testing::TestWithParam<ReplayCase> {};

TEST_P(ReplayTest, PressesTheKeysByTheGameRules) {
  const ReplayCase& c = GetParam();
  maze::MazeRecord record = fake::DrawMaze(c.picture);
  if (c.start.IsSet()) record.start = c.start;
  const maze::ReplayResult replay = maze::ReplayRoute(record, Steps(c.presses));
  EXPECT_EQ(replay.won, c.won);
  EXPECT_EQ(replay.pressesUsed, c.pressesUsed);
  EXPECT_EQ(replay.end, c.path.back());
  EXPECT_EQ(replay.path, c.path);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rules, ReplayTest,
    ::testing::Values(
        ReplayCase{"BumpFacesTheDoorAndEnterOpensIt", {"S.a", "##A", "##G"}, {}, "RRDODD", true, 6,
                   {{1, 1}, {2, 1}, {3, 1}, {3, 2}, {3, 3}}},
        ReplayCase{"EnterWithoutFacingOpensNothing", {"S.a", "##A", "##G"}, {}, "RRODD", false, 5,
                   {{1, 1}, {2, 1}, {3, 1}}},
        ReplayCase{"AWallBumpAddsNothing", {"S#", ".G"}, {}, "RDR", true, 3,
                   {{1, 1}, {1, 2}, {2, 2}}},
        ReplayCase{"DoorStaysShutWithoutItsKey", {"S.AG"}, {}, "RORR", false, 4, {{1, 1}, {2, 1}}},
        ReplayCase{"EnterBeforeAnyArrowLooksAtTheOwnCell", {"SAaG"}, {}, "OR", false, 2, {{1, 1}}},
        ReplayCase{"KeyOnTheStartIsNotInHandAtFirst", {"a.AG"}, {1, 1}, "RORR", false, 4,
                   {{1, 1}, {2, 1}}},
        ReplayCase{"KeyOnTheStartTakenOnReturn", {"a.AG"}, {1, 1}, "RLRORR", true, 6,
                   {{1, 1}, {2, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        ReplayCase{"WinsOnTheFirstPressThatLandsOnTheGoal", {"S.G.."}, {}, "RRRR", true, 2,
                   {{1, 1}, {2, 1}, {3, 1}}},
        ReplayCase{"MovingOffAGoalStartWinsOnlyOnReturn", {"G.."}, {1, 1}, "RL", true, 2,
                   {{1, 1}, {2, 1}, {1, 1}}},
        ReplayCase{"BumpAtTheEdgeOnAGoalStartWins", {"G.."}, {1, 1}, "LR", true, 1, {{1, 1}}},
        ReplayCase{"NoPressesOnAGoalStartWins", {"G"}, {1, 1}, "", true, 0, {{1, 1}}}),
    [](const ::testing::TestParamInfo<ReplayCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(ReplayPath, EmptyWhenTheStartIsOffTheGrid) {
  maze::MazeRecord record = fake::DrawMaze({"S.G"});
  record.start = {0, 0};
  EXPECT_TRUE(maze::ReplayRoute(record, Steps("RR")).path.empty());
}

}  // namespace
