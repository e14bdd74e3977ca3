// The search against a plain breadth-first walk over every (cell, keys held)
// pair, on many random small mazes: same answer, same route length, and
// every route pressed key by key ends on the goal.

#include <gtest/gtest.h>

#include <queue>
#include <random>
#include <tuple>
#include <vector>

#include "maze/MazeSearch.h"

namespace {

using maze::CellCode;
using maze::GridPosition;

struct Reference {
  int distance = -1;  // cells walked on a shortest route, -1 when none
  int cellsEver = 0;  // cells reached with any keys
};

// The random mazes use key numbers 1 to 6 at most.
constexpr int kMostKeyNumbers = 6;
constexpr int kN = maze::kGridSize;

// Walks every (cell, keys) pair without shortcuts. A key on the start is
// taken only when walking back onto it, like any other cell entered.
Reference ReferenceWalk(const maze::MazeRecord& record) {
  Reference result;
  std::vector<bool> seen(static_cast<size_t>(kN * kN) << kMostKeyNumbers), cellSeen(kN * kN);
  std::queue<std::tuple<int, int, uint32_t, int>> queue;
  queue.push({record.start.x, record.start.y, 0u, 0});
  while (!queue.empty()) {
    const auto [x, y, keys, walked] = queue.front();
    queue.pop();
    const int cell = (y - 1) * kN + (x - 1);
    const size_t state = (static_cast<size_t>(cell) << kMostKeyNumbers) | keys;
    if (seen[state]) continue;
    seen[state] = true;
    if (!cellSeen[cell]) ++result.cellsEver;
    cellSeen[cell] = true;
    if (x == record.goal.x && y == record.goal.y && result.distance < 0) result.distance = walked;
    for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
      if (!maze::OnGrid(x + dx, y + dy)) continue;
      const CellCode code = maze::CellAt(record.grid, x + dx, y + dy);
      if (maze::IsWall(code)) continue;
      if (maze::IsDoor(code) && !(keys & (1u << (maze::DoorKeyNumber(code) - 1)))) continue;
      const uint32_t held = maze::IsKey(code) ? keys | (1u << (maze::KeyNumber(code) - 1)) : keys;
      queue.push({x + dx, y + dy, held, walked + 1});
    }
  }
  return result;
}

// A random maze in a width x height area in the top left corner, wall
// elsewhere; start and goal anywhere in the area, on any kind of cell, and
// some cells hold a byte that is neither wall, floor, door nor key.
maze::MazeRecord RandomMaze(std::mt19937& random, int width, int height, int keyNumbers) {
  maze::MazeRecord record = maze::NewMazeRecord();
  for (std::string& row : record.grid) row.assign(kN, '#');
  std::uniform_int_distribution<int> percent(0, 99), number(1, keyNumbers);
  for (int y = 1; y <= height; ++y) {
    for (int x = 1; x <= width; ++x) {
      const int roll = percent(random);
      const CellCode code = roll < 25   ? maze::kWall
                            : roll < 33 ? maze::DoorCell(number(random))
                            : roll < 41 ? maze::KeyCell(number(random))
                            : roll < 44 ? CellCode{150}
                                        : maze::kFloor;
      maze::SetCell(record.grid, x, y, code);
    }
  }
  std::uniform_int_distribution<int> column(1, width), row(1, height);
  record.start = {static_cast<int16_t>(column(random)), static_cast<int16_t>(row(random))};
  record.goal = {static_cast<int16_t>(column(random)), static_cast<int16_t>(row(random))};
  return record;
}

struct CrossCheckCase {
  int width;
  int height;
  int keyNumbers;
  int mazes;
  unsigned seed;
};

void PrintTo(const CrossCheckCase& c, std::ostream* out) {
  *out << c.width << "x" << c.height << " with " << c.keyNumbers << " key numbers";
}

class SearchCrossCheck : public ::testing::TestWithParam<CrossCheckCase> {};

TEST_P(SearchCrossCheck, AgreesWithThePlainWalkOnRandomMazes) {
  const CrossCheckCase c = GetParam();
  std::mt19937 random(c.seed);
  int winnable = 0;
  ASSERT_LE(c.keyNumbers, kMostKeyNumbers);
  for (int i = 0; i < c.mazes; ++i) {
    const maze::MazeRecord record = RandomMaze(random, c.width, c.height, c.keyNumbers);
    const Reference reference = ReferenceWalk(record);
    const bool reachable = reference.distance >= 0;
    SCOPED_TRACE("maze " + std::to_string(i));

    const maze::FloodResult flood = maze::FloodMaze(record);
    ASSERT_EQ(flood.winnable, reachable);
    // A start on a wall or door is left once and not counted again by the walk.
    const CellCode onStart = maze::CellAt(record.grid, record.start.x, record.start.y);
    if (!maze::IsWall(onStart) && !maze::IsDoor(onStart)) {
      ASSERT_EQ(flood.reachableCells, reference.cellsEver);
    }

    const maze::Route route = maze::FindRoute(record);
    ASSERT_EQ(route.found, reachable);
    const maze::Route fallback = maze::FindRoute(record, {.maxStates = 1});
    ASSERT_EQ(fallback.found, reachable);
    if (!reachable) continue;
    ++winnable;
    EXPECT_TRUE(route.provenShortest);
    EXPECT_EQ(route.cellsWalked, reference.distance);
    const size_t presses = static_cast<size_t>(route.cellsWalked + route.doorsOpened);
    EXPECT_GE(route.steps.size(), presses);
    EXPECT_LE(route.steps.size(), presses + static_cast<size_t>(route.doorsOpened));
    const maze::ReplayResult replay = maze::ReplayRoute(record, route.steps);
    EXPECT_TRUE(replay.won);
    EXPECT_EQ(replay.pressesUsed, route.steps.size());

    EXPECT_GE(fallback.cellsWalked, reference.distance);
    const maze::ReplayResult fallbackReplay = maze::ReplayRoute(record, fallback.steps);
    EXPECT_TRUE(fallbackReplay.won);
    EXPECT_EQ(fallbackReplay.pressesUsed, fallback.steps.size());
  }
  // The random mazes must exercise both answers.
  EXPECT_GT(winnable, c.mazes / 10);
  EXPECT_LT(winnable, c.mazes);
}

INSTANTIATE_TEST_SUITE_P(RandomMazes, SearchCrossCheck,
                         ::testing::Values(CrossCheckCase{6, 5, 3, 3000, 1},
                                           CrossCheckCase{12, 12, 4, 600, 2},
                                           CrossCheckCase{30, 20, 6, 200, 3}));

}  // namespace
