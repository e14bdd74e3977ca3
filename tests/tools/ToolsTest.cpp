// The authors' tools as an author runs them: mazegen's mazes, mazecheck's
// report, route and exit status.

#include <gtest/gtest.h>

#include <sstream>

#include "maze/MazeFile.h"
#include "maze/MazeSearch.h"
#include "tests/support/Fakes.h"
#include "tools/CheckCommand.h"
#include "tools/GenCommand.h"
#include "tools/MazeGenerator.h"

namespace {

struct Outcome {
  int status;
  std::string out;
};

Outcome Check(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = tools::RunMazeCheck(args, out, err);
  return {status, out.str() + err.str()};
}

tools::GenResult Generate(uint64_t seed, int keys = 0) {
  tools::GenOptions options;
  options.seed = seed;
  options.keys = keys;
  return tools::GenerateMaze(options);
}

TEST(MazeGen, EverySeedGivesAWinnableMazeWithItsKeysInOrder) {
  for (const auto& [seed, keys] : {std::pair{1, 0}, {2, 3}, {3, 20}}) {
    const tools::GenResult made = Generate(seed, keys);
    ASSERT_TRUE(made.maze) << made.failure;
    const maze::FloodResult flood = maze::FloodMaze(*made.maze);
    EXPECT_TRUE(flood.winnable) << seed;
    ASSERT_EQ(flood.keyOrder.size(), size_t(keys)) << seed;
    for (int k = 0; k < keys; ++k) EXPECT_EQ(flood.keyOrder[k].number, k + 1) << seed;
  }
  EXPECT_NE(Generate(4).maze->grid, Generate(5).maze->grid);
}

TEST(MazeGen, FillsOnlyTheAreaAsked) {
  std::ostringstream out, err;
  ASSERT_EQ(tools::RunMazeGen({"--seed", "6", "--area=30,20,10,40"}, out, err), 0) << err.str();
  const maze::LoadResult read = maze::ParseMaze(out.str());
  ASSERT_TRUE(read.ok());
  int open = 0;
  for (int y = 1; y <= 100; ++y) {
    for (int x = 1; x <= 100; ++x) {
      const bool inside = x >= 10 && x <= 30 && y >= 20 && y <= 40;
      if (!maze::IsWall(maze::CellAt(read.maze->grid, x, y))) {
        EXPECT_TRUE(inside) << x << "," << y;
        ++open;
      }
    }
  }
  EXPECT_GT(open, 200);
}

TEST(MazeCheck, ReportsEachMazeAndExitsWithTheWorstVerdict) {
  const std::string winnable = fake::Fixture("winnable.maz").string();
  const std::string locked = fake::Fixture("locked.maz").string();
  const std::string truncated = fake::Fixture("truncated.maz").string();
  const Outcome route = Check({"--route", winnable});
  EXPECT_EQ(route.status, 0);
  EXPECT_NE(
      route.out.find("\nA shortest route takes 5 moves and opens 1 door, 7 key presses in all.\n"
                     "Keys picked up along the route, in order: 1.\n"
                     "Route: down 1, right 1, open door, right 4.\n"),
      std::string::npos)
      << route.out;
  const Outcome shut = Check({locked, winnable});
  EXPECT_EQ(shut.status, 1);
  EXPECT_NE(shut.out.find("Door 3 has no key: no key 3 lies in the maze.\nNot winnable.\n"),
            std::string::npos)
      << shut.out;
  const Outcome unreadable = Check({truncated, locked});
  EXPECT_EQ(unreadable.status, 2);
  EXPECT_NE(
      unreadable.out.find("Unreadable: the file ends after 99 rows, but a maze needs 100 rows.\n"),
      std::string::npos)
      << unreadable.out;
}

}  // namespace
