// Every route the checker prints is pressed, as printed, through the game's
// own key handling: the maze chosen from the menu, each arrow pressed and
// released, Enter for each door, and the winning clip must play on the last
// press and not before.
#include <filesystem>

#include "maze/MazeFile.h"
#include "tests/game/GameScenario.h"
#include "tests/tools/ToolsTestSupport.h"
#include "tools/CheckReport.h"
#include "tools/MazeGenerator.h"

namespace {

// Presses the printed route in the game and checks that it wins on its last
// press.
void ExpectWinsInTheGame(const maze::MazeRecord& record, const std::vector<std::string>& report) {
  const auto steps = toolstest::ReadRoute(report);
  ASSERT_TRUE(steps.has_value()) << "no route printed";
  ASSERT_FALSE(steps->empty());
  gametest::Scenario s;
  s.MazeOf(1, record);
  s.Choose(1);
  const int64_t lastPress = s.PressRoute(*steps);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.PlayedAt("winMaze.wav"), lastPress);
  EXPECT_EQ(s.PlayedAt("winMaze.wav", 1), -1);
  EXPECT_EQ(s.form.position, record.goal);
}

// mazecheck --route on the maze file, its report pressed in the game.
std::vector<std::string> ExpectPrintedRouteWins(const std::filesystem::path& file,
                                                const maze::MazeRecord& record) {
  const toolstest::ProgramRun run = toolstest::RunCheck({"--route", file.string()});
  EXPECT_EQ(run.status, 0);
  ExpectWinsInTheGame(record, run.OutLines());
  return run.OutLines();
}

// Hand-made mazes, odd starts and goals, generated mazes, and a route not
// proven shortest.
TEST(RoutesInTheGame, HandMadeAndGeneratedMazesAreWon) {
  struct Case {
    std::vector<std::string> drawing;
    maze::GridPosition start, goal;  // replace the drawn ones when set
  };
  const Case cases[] = {
      {{"S.aAb.B.G"}, {}, {}},
      {{"S.b.aBA.G"}, {}, {}},
      {{"S.C.G", "....."}, {}, {}},
      {{"S......", "#####.#", "a.....B", "#b#####", "..A...G"}, {}, {}},
      {{"S.a", "##A", "##G"}, {}, {}},
      {{"a.AG"}, {1, 1}, {}},        // key on the start
      {{"#.G"}, {1, 1}, {}},         // start on a wall
      {{"A.G", "a##"}, {1, 1}, {}},  // start on a door
      {{"S.a.A"}, {}, {5, 1}},       // goal on a door
      {{"..G.."}, {3, 1}, {}},       // start on the goal: Enter wins
  };
  fake::ScenarioFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.drawing.front());
    maze::MazeRecord record = fake::DrawMaze(c.drawing);
    if (c.start.IsSet()) record.start = c.start;
    if (c.goal.IsSet()) record.goal = c.goal;
    folder.WriteMaze("1", record);
    ExpectPrintedRouteWins(folder.Path() / "1.maz", record);
  }
  const tools::GenOptions options[] = {
      {1, 0, {}}, {2, 3, {}}, {3, 20, {}}, {4, 20, {20, 30, 60, 70}}, {5, 1, {1, 1, 9, 5}},
  };
  for (const tools::GenOptions& o : options) {
    SCOPED_TRACE(testing::Message() << "seed " << o.seed << ", keys " << o.keys);
    const tools::GenResult made = tools::GenerateMaze(o);
    ASSERT_TRUE(made.maze.has_value()) << made.failure;
    folder.WriteMaze("1", *made.maze);
    ExpectPrintedRouteWins(folder.Path() / "1.maz", *made.maze);
  }
  // A search that meets its bound prints a route that wins too.
  const maze::MazeRecord record = fake::DrawMaze(cases[3].drawing);
  maze::LoadResult loaded;
  loaded.maze = record;
  const tools::MazeCheck check = tools::CheckLoaded(loaded, {true, {.maxStates = 1}});
  ASSERT_THAT(check.lines, testing::Contains(testing::HasSubstr("(not proven shortest)")));
  ExpectWinsInTheGame(record, check.lines);
}

// The game's own mazes: each winnable with the key order it was made with,
// and its printed route wins.
TEST(RoutesInTheGame, SampleMazesAreWonWithTheirKeyOrder) {
  const std::filesystem::path samples = std::filesystem::path(TARNWICK_SOURCE_DIR) / "mazes";
  if (!std::filesystem::exists(samples / "1.maz")) GTEST_SKIP() << "no sample mazes";
  const char* const none = "The route picks up no keys.";
  const char* const keyOrders[] = {none, none, "Keys picked up along the route, in order: 1.",
                                   "Keys picked up along the route, in order: 1, 2 and 3.", none};
  for (int number = 1; number <= 5; ++number) {
    SCOPED_TRACE(number);
    const std::filesystem::path file = samples / (std::to_string(number) + ".maz");
    const maze::LoadResult loaded = maze::LoadMaze(file);
    ASSERT_TRUE(loaded.ok());
    EXPECT_THAT(ExpectPrintedRouteWins(file, *loaded.maze),
                testing::IsSupersetOf({"Winnable.", keyOrders[number - 1]}));
  }
}

}  // namespace
