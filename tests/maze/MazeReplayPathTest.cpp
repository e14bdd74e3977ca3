// The cells a replayed route stands on: bumps into walls and doors and the
// presses of Enter add none, each step adds the cell moved onto.

#include <gtest/gtest.h>

#include "MazeTestSupport.h"
#include "maze/MazeSearch.h"

namespace {

using maze::GridPosition;
using maze::RouteStep;

std::vector<RouteStep> Steps(const std::string& presses) {
  std::vector<RouteStep> steps;
  for (char c : presses) {
    steps.push_back(static_cast<RouteStep>(std::string("LRUDO").find(c)));
  }
  return steps;
}

struct PathCase {
  const char* name;
  std::vector<std::string> picture;
  std::string presses;
  std::vector<GridPosition> path;
};

void PrintTo(const PathCase& c, std::ostream* out) { *out << c.name; }

class ReplayPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(ReplayPathTest, ListsTheCellsStoodOn) {
  const PathCase& c = GetParam();
  const maze::MazeRecord record = mazetest::DrawMaze(c.picture);
  EXPECT_EQ(maze::ReplayRoute(record, Steps(c.presses)).path, c.path);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Path, ReplayPathTest,
    ::testing::Values(
        PathCase{"StepsAddTheirCells", {"S.G"}, "RR", {{1, 1}, {2, 1}, {3, 1}}},
        PathCase{"BumpsAndEnterAddNothing", {"S.a", "##A", "##G"}, "RRDODD",
                 {{1, 1}, {2, 1}, {3, 1}, {3, 2}, {3, 3}}},
        PathCase{"AWallBumpAddsNothing", {"S#", ".G"}, "RDR", {{1, 1}, {1, 2}, {2, 2}}},
        PathCase{"StopsAtTheGoal", {"S.G.."}, "RRRR", {{1, 1}, {2, 1}, {3, 1}}},
        PathCase{"NoPressesLeaveTheStartAlone", {"S.G"}, "", {{1, 1}}}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(ReplayPath, EmptyWhenTheStartIsOffTheGrid) {
  maze::MazeRecord record = mazetest::DrawMaze({"S.G"});
  record.start = {0, 0};
  EXPECT_TRUE(maze::ReplayRoute(record, Steps("RR")).path.empty());
}

}  // namespace
