// Winnable or not by the game's rules, and a shortest route that wins when
// its keys are pressed.

#include <gtest/gtest.h>

#include "maze/MazeFile.h"
#include "maze/MazeSearch.h"
#include "tests/support/Fakes.h"

namespace {

struct SearchCase {
  std::vector<std::string> maze;
  bool winnable;
  int cellsWalked;
  int doorsOpened;
  size_t presses;
};

TEST(MazeSearch, FindsAShortestRouteThatWinsWhenPressed) {
  const SearchCase cases[] = {
      {{"S G"}, true, 2, 0, 2},
      {{"SaA G"}, true, 4, 1, 5},
      // The door is met after a turn: a bump into it faces it first.
      {{"S##", "aAG"}, true, 3, 1, 5},
      {{"S#  ", "   G"}, true, 4, 0, 4},
      {{"S A G"}, false, 0, 0, 0},
      {{"SbA G", "#####", "a    "}, false, 0, 0, 0},
  };
  for (const SearchCase& c : cases) {
    const maze::MazeRecord record = fake::DrawMaze(c.maze);
    EXPECT_EQ(maze::FloodMaze(record).winnable, c.winnable) << c.maze[0];
    const maze::Route route = maze::FindRoute(record);
    EXPECT_EQ(route.found, c.winnable) << c.maze[0];
    EXPECT_EQ(route.cellsWalked, c.cellsWalked) << c.maze[0];
    EXPECT_EQ(route.doorsOpened, c.doorsOpened) << c.maze[0];
    EXPECT_EQ(route.steps.size(), c.presses) << c.maze[0];
    const maze::ReplayResult replay = maze::ReplayRoute(record, route.steps);
    EXPECT_EQ(replay.won, c.winnable) << c.maze[0];
    EXPECT_EQ(replay.pressesUsed, c.winnable ? c.presses : 0) << c.maze[0];
  }
}

TEST(MazeSearch, ALockedMazeTellsItsShutDoorsAndHowFarItReaches) {
  const maze::FloodResult flood = maze::FloodMaze(fake::DrawMaze({"S A G"}));
  EXPECT_EQ(flood.reachableCells, 2);
  EXPECT_EQ(flood.lockedDoors, (std::vector<maze::LockedDoor>{{1, {3, 1}}}));
  EXPECT_EQ(flood.nearestToGoal, (maze::GridPosition{2, 1}));
  EXPECT_EQ(flood.nearestDistance, 3);
}

TEST(SampleMazes, EveryOneThePlayCommandOffersCanBeWon) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TARNWICK_SOURCE_DIR "/mazes")) {
    if (entry.path().extension() != ".maz") continue;
    const maze::LoadResult read = maze::LoadMaze(entry.path());
    ASSERT_TRUE(read.ok()) << entry.path() << ": " << read.error.Describe();
    EXPECT_TRUE(maze::StartAndGoalOnGrid(*read.maze)) << entry.path();
    EXPECT_TRUE(maze::FloodMaze(*read.maze).winnable) << entry.path();
    ++count;
  }
  EXPECT_EQ(count, 5);
}

}  // namespace
