// The generator: every maze it makes is a perfect labyrinth that can be won,
// with the doors and keys asked for in the order 1 to K, and the same seed
// and options always give the same bytes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <numeric>
#include <set>

#include "maze/MazeFile.h"
#include "maze/MazeSearch.h"
#include "tools/MazeGenerator.h"
#include "tools/Random.h"

namespace {

using tools::Area;

constexpr int kN = maze::kGridSize;

maze::MazeRecord Make(uint64_t seed, int keys, Area area = {}) {
  const tools::GenResult made = tools::GenerateMaze({seed, keys, area});
  EXPECT_TRUE(made.maze.has_value()) << made.failure;
  return made.maze.value_or(maze::NewMazeRecord());
}

std::vector<int> Numbers(const std::vector<maze::KeyPickup>& keys) {
  std::vector<int> numbers;
  for (const maze::KeyPickup& key : keys) numbers.push_back(key.number);
  return numbers;
}

// Steps from the start to every cell that is not wall, doors counted as
// floor; -1 where it cannot be reached that way.
std::vector<int> Distances(const maze::MazeRecord& record) {
  std::vector<int> distance(kN * kN, -1);
  const auto at = [&](int x, int y) -> int& { return distance[(y - 1) * kN + x - 1]; };
  std::deque<maze::GridPosition> queue{record.start};
  at(record.start.x, record.start.y) = 0;
  for (; !queue.empty(); queue.pop_front()) {
    const maze::GridPosition p = queue.front();
    for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
      const int x = p.x + dx, y = p.y + dy;
      if (!maze::OnGrid(x, y) || maze::IsWall(maze::CellAt(record.grid, x, y))) continue;
      if (at(x, y) >= 0) continue;
      at(x, y) = at(p.x, p.y) + 1;
      queue.push_back({static_cast<int16_t>(x), static_cast<int16_t>(y)});
    }
  }
  return distance;
}

// The checks every generated maze must pass.
void ExpectGoodMaze(const maze::MazeRecord& record, int keys, const Area& area) {
  int open = 0, joins = 0;  // joins: pairs of side-by-side open cells
  int doors[maze::kKeyCount + 1] = {}, keyCells[maze::kKeyCount + 1] = {};
  for (int y = 1; y <= kN; ++y) {
    for (int x = 1; x <= kN; ++x) {
      const maze::CellCode code = maze::CellAt(record.grid, x, y);
      if (x < area.x1 || x > area.x2 || y < area.y1 || y > area.y2) {
        ASSERT_TRUE(maze::IsWall(code)) << x << "," << y;
        continue;
      }
      ASSERT_TRUE(maze::IsWall(code) || code == maze::kFloor || maze::IsDoor(code) ||
                  maze::IsKey(code));
      if (maze::IsWall(code)) continue;
      ++open;
      if (maze::IsDoor(code)) ++doors[maze::DoorKeyNumber(code)];
      if (maze::IsKey(code)) ++keyCells[maze::KeyNumber(code)];
      if (x < kN && !maze::IsWall(maze::CellAt(record.grid, x + 1, y))) ++joins;
      if (y < kN && !maze::IsWall(maze::CellAt(record.grid, x, y + 1))) ++joins;
    }
  }
  for (int n = 1; n <= maze::kKeyCount; ++n) {
    EXPECT_EQ(doors[n], n <= keys ? 1 : 0) << "door " << n;
    EXPECT_EQ(keyCells[n], n <= keys ? 1 : 0) << "key " << n;
  }
  // Perfect: all open cells joined, with exactly one way between any two,
  // which for cells joined side by side means one join fewer than cells.
  const std::vector<int> distance = Distances(record);
  const int reached = static_cast<int>(
      std::count_if(distance.begin(), distance.end(), [](int d) { return d >= 0; }));
  EXPECT_EQ(reached, open);
  EXPECT_EQ(joins, open - 1);
  // Far apart: no cell lies farther from the start than the goal.
  EXPECT_EQ(distance[(record.goal.y - 1) * kN + record.goal.x - 1],
            *std::max_element(distance.begin(), distance.end()));
  EXPECT_NE(maze::CellAt(record.grid, record.start.x, record.start.y), maze::kWall);

  std::vector<int> oneToK(keys);
  std::iota(oneToK.begin(), oneToK.end(), 1);
  const maze::FloodResult flood = maze::FloodMaze(record);
  EXPECT_TRUE(flood.winnable);
  EXPECT_EQ(Numbers(flood.keyOrder), oneToK);
  const maze::Route route = maze::FindRoute(record);
  ASSERT_TRUE(route.found);
  EXPECT_EQ(route.doorsOpened, keys);
  EXPECT_EQ(Numbers(route.keyOrder), oneToK);
  EXPECT_TRUE(maze::ReplayRoute(record, route.steps).won);
}

// The whole grid (the default area) and areas of many shapes, for many seeds
// and key counts; the area's edge on the grid's edge too.
TEST(MazeGen, MazesAreGoodAndStayInsideTheArea) {
  const Area areas[] = {{},           {10, 10, 40, 30}, {5, 7, 26, 19},
                        {1, 1, 3, 3}, {60, 2, 99, 8},   {98, 1, 100, 100}};
  for (const Area& area : areas) {
    for (uint64_t seed : {0ull, 1ull, 2ull, 77ull, 4096ull, 18446744073709551615ull}) {
      for (int keys : {0, 1, 2, 7, 20}) {
        const tools::GenResult made = tools::GenerateMaze({seed, keys, area});
        // Too many keys for the area is tested below; nothing else may fail.
        if (!made.maze && made.failure.find("too small") != std::string::npos) continue;
        ASSERT_TRUE(made.maze.has_value()) << made.failure;
        SCOPED_TRACE(testing::Message() << "area " << area.x1 << "," << area.y1 << "," << area.x2
                                        << "," << area.y2 << " seed " << seed << " keys " << keys);
        ExpectGoodMaze(*made.maze, keys, area);
      }
    }
  }
}

TEST(MazeGen, SmallAreasTakeKeysUpToTheLengthOfTheirWay) {
  // A 3 by 3 area has four rooms in a row of three joins: room for 2 doors,
  // since key 1 needs a room besides the start.
  EXPECT_TRUE(tools::GenerateMaze({5, 2, {1, 1, 3, 3}}).maze.has_value());
  const tools::GenResult tooMany = tools::GenerateMaze({5, 3, {1, 1, 3, 3}});
  EXPECT_FALSE(tooMany.maze.has_value());
  EXPECT_THAT(tooMany.failure, testing::HasSubstr("too small for 3 doors"));
}

TEST(MazeGen, SameSeedAndOptionsGiveTheSameBytes) {
  EXPECT_EQ(maze::FormatMaze(Make(3, 5)), maze::FormatMaze(Make(3, 5)));
  EXPECT_EQ(maze::FormatMaze(Make(3, 0, {4, 4, 30, 50})),
            maze::FormatMaze(Make(3, 0, {4, 4, 30, 50})));
  std::set<std::string> different;
  for (uint64_t seed = 0; seed < 10; ++seed) different.insert(maze::FormatMaze(Make(seed, 3)));
  EXPECT_EQ(different.size(), 10u);
}

// A change to the random numbers would change what every old seed makes.
TEST(GenRandom, SplitMix64GivesItsPublishedSequence) {
  tools::SplitMix64 random(0);
  EXPECT_EQ(random.Next(), 0xe220a8397b1dcdafull);
  EXPECT_EQ(random.Next(), 0x6e789e6aa1b965f4ull);
  EXPECT_EQ(random.Next(), 0x06c45d188009454full);
}

}  // namespace
